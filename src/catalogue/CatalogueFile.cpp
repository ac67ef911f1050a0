#include "catalogue/CatalogueFile.h"

#include "catalogue/FileAccess.h"
#include "catalogue/TextFileEncoding.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMaxCatalogueBytes = qint64(256) * 1024 * 1024;

// Hands out the lines of a text one by one: CR LF or a lone CR ends a line, LF does not.
class LineReader
{
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    QString next()
    {
        const qsizetype cr = m_text.indexOf(u'\r', m_pos);
        const qsizetype end = cr < 0 ? m_text.size() : cr;
        QString line = m_text.sliced(m_pos, end - m_pos).toString();
        m_pos = end;
        if (cr >= 0) {
            ++m_pos;
            if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
                ++m_pos;
        }
        return line;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

CatalogueReadResult parseCatalogue(QByteArrayView bytes)
{
    const QString text = TextFileEncoding::decode(bytes);
    CatalogueReadResult result;
    // Counting on the bytes is cheaper than on the text and gives the same line ends.
    const qsizetype expectedPairs = std::count(bytes.begin(), bytes.end(), '\r') / 2 + 1;
    result.pairs.questions.reserve(expectedPairs);
    result.pairs.answers.reserve(expectedPairs);

    LineReader lines(text);
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

CatalogueReadResult KatalogdateiLesen(const QString &path)
{
    const WholeFileRead file = readWholeFile(path, kMaxCatalogueBytes);
    if (file.status == WholeFileRead::Status::TooLarge)
        return {{},
                ReadOutcome::Failed,
                u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 256 MiB)."_s.arg(
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

WriteResult KatalogdateiSchreiben(const QString &path, const Catalogue &catalogue)
{
    const QString error = writeWholeFile(path, serializeCatalogue(catalogue));
    return {error.isEmpty(), error};
}
