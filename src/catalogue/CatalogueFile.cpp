// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/CatalogueFile.h"

#include "catalogue/FileAccess.h"
#include "catalogue/TextFileEncoding.h"
#include "Windows1252.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Hands out the lines of a text one by one: CR LF or a lone CR ends a line, LF does not. The
// text is bytes or characters; `toString` turns one line of it into a QString.
template<typename View, typename ToString>
class LineReader
{
public:
    LineReader(View text, ToString toString) : m_text(text), m_toString(toString) { }

    bool atEnd() const { return m_pos >= m_text.size(); }

    QString next()
    {
        const auto from = m_text.begin() + m_pos;
        const qsizetype end = std::find(from, m_text.end(), cr) - m_text.begin();
        QString line = m_toString(m_text.sliced(m_pos, end - m_pos));
        m_pos = end;
        if (end < m_text.size()) {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == lf)
                ++m_pos;
        }
        return line;
    }

private:
    using Unit = typename View::value_type;
    static constexpr Unit cr = Unit(u'\r');
    static constexpr Unit lf = Unit(u'\n');

    View m_text;
    ToString m_toString;
    qsizetype m_pos = 0;
};

template<typename View, typename ToString>
CatalogueReadResult parseLines(View text, ToString toString, qsizetype expectedPairs)
{
    CatalogueReadResult result;
    result.pairs.questions.reserve(expectedPairs);
    result.pairs.answers.reserve(expectedPairs);
    LineReader lines(text, toString);
    while (!lines.atEnd()) {
        QString question = lines.next();
        if (lines.atEnd()) {
            result.outcome = ReadOutcome::Failed;
            break;
        }
        QString answer = lines.next();
        if (!question.isEmpty() && !answer.isEmpty()) {
            result.pairs.questions.append(std::move(question));
            result.pairs.answers.append(std::move(answer));
        }
    }
    return result;
}

} // namespace

CatalogueReadResult parseCatalogue(QByteArrayView bytes)
{
    // Counting on the bytes is cheaper than on the text and gives the same line ends.
    const qsizetype expectedPairs = std::count(bytes.begin(), bytes.end(), '\r') / 2 + 1;
    // Windows-1252 lines are decoded one by one, straight from the bytes; UTF-8 needs the
    // decoder's view of the whole text.
    if (TextFileEncoding::isWindows1252(bytes))
        return parseLines(bytes, Windows1252::decode, expectedPairs);
    const QString text = TextFileEncoding::decode(bytes);
    return parseLines(
            QStringView(text), [](QStringView line) { return line.toString(); }, expectedPairs);
}

CatalogueReadResult readCatalogueFile(const QString &path)
{
    const WholeFileRead file = readWholeFile(path, maxCatalogueBytes);
    if (file.status == WholeFileRead::Status::TooLarge)
        return {{},
                ReadOutcome::Failed,
                u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 14 MiB)."_s.arg(
                        QDir::toNativeSeparators(path))};
    if (file.status == WholeFileRead::Status::CannotRead)
        return {{}, ReadOutcome::Failed, file.error};
    return parseCatalogue(file.bytes);
}

QByteArray serializeCatalogue(const Catalogue &catalogue)
{
    // Rows without a partner cannot form a record; the lists are kept parallel by their owner.
    const qsizetype pairs = qMin(catalogue.questions.size(), catalogue.answers.size());
    qsizetype length = 0;
    for (qsizetype i = 0; i < pairs; ++i)
        length += catalogue.questions[i].size() + catalogue.answers[i].size() + 4;

    QString text;
    text.reserve(length);
    for (qsizetype i = 0; i < pairs; ++i) {
        text += catalogue.questions[i];
        text += u"\r\n";
        text += catalogue.answers[i];
        text += u"\r\n";
    }
    return TextFileEncoding::encode(text);
}

WriteResult writeCatalogueFile(const QString &path, const Catalogue &catalogue)
{
    const QByteArray bytes = serializeCatalogue(catalogue);
    if (bytes.size() > maxCatalogueBytes)
        return {false,
                u"Die Datei „%1“ würde größer als 14 MiB; so große Fragenkataloge kann das Programm nicht laden."_s
                        .arg(QDir::toNativeSeparators(path))};
    const QString error = writeWholeFile(path, bytes);
    return {error.isEmpty(), error};
}
