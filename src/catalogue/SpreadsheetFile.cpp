// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/SpreadsheetFile.h"

#include "catalogue/FileAccess.h"
#include "catalogue/TextFileEncoding.h"

#include <QDir>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t quote = u'"';
constexpr char16_t cr = u'\r';
constexpr char16_t lf = u'\n';
// In the order in which they win when one row holds several.
constexpr std::array<char16_t, 3> separators{u'\t', u';', u','};

bool isLineEnd(char16_t c)
{
    return c == cr || c == lf;
}

// Position after the line break at `pos`.
qsizetype afterLineBreak(QStringView text, qsizetype pos)
{
    return text[pos] == cr && pos + 1 < text.size() && text[pos + 1] == lf ? pos + 2 : pos + 1;
}

// Before the separator is known, every candidate ends a field, so that a quote after any of
// them opens a quoted field as it will when the rows are read.
char16_t detectSeparator(QStringView text)
{
    std::array<bool, separators.size()> seen{};
    bool inQuotes = false;
    bool fieldStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (inQuotes) {
            if (c == quote) {
                if (i + 1 < text.size() && text[i + 1] == quote)
                    ++i;
                else
                    inQuotes = false;
            }
            continue;
        }
        if (c == quote && fieldStart) {
            inQuotes = true;
            fieldStart = false;
        } else if (isLineEnd(c)) {
            if (std::find(seen.begin(), seen.end(), true) != seen.end())
                break;
            fieldStart = true;
        } else {
            const auto found = std::find(separators.begin(), separators.end(), c);
            fieldStart = found != separators.end();
            if (fieldStart)
                seen[found - separators.begin()] = true;
        }
    }
    const auto first = std::find(seen.begin(), seen.end(), true);
    // Without any separator every row is one column and gives no pair, whichever is chosen.
    return first == seen.end() ? separators.front() : separators[first - seen.begin()];
}

class RowReader
{
public:
    RowReader(QStringView text, char16_t separator) : m_text(text), m_separator(separator) { }

    bool atEnd() const { return m_pos >= m_text.size(); }

    // Reads one row and keeps its first two fields.
    void next(QString &question, QString &answer)
    {
        question.clear();
        answer.clear();
        if (readField(&question) && readField(&answer)) {
            while (readField(nullptr)) { }
        }
    }

private:
    // Reads one field into `into`, or past it when null. True when another field of the same
    // row follows.
    bool readField(QString *into)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == quote) {
            ++m_pos;
            while (m_pos < m_text.size()) {
                const qsizetype end =
                        findFrom(m_pos, [](char16_t c) { return c == quote || isLineEnd(c); });
                append(into, m_text.sliced(m_pos, end - m_pos));
                m_pos = end;
                if (end == m_text.size())
                    break;
                if (isLineEnd(m_text[end].unicode())) {
                    append(into, u" ");
                    m_pos = afterLineBreak(m_text, end);
                } else if (end + 1 < m_text.size() && m_text[end + 1] == quote) {
                    append(into, u"\"");
                    m_pos = end + 2;
                } else {
                    m_pos = end + 1;
                    break;
                }
            }
        }
        const char16_t separator = m_separator;
        const qsizetype end =
                findFrom(m_pos, [separator](char16_t c) { return c == separator || isLineEnd(c); });
        append(into, m_text.sliced(m_pos, end - m_pos));
        if (end == m_text.size()) {
            m_pos = end;
            return false;
        }
        if (m_text[end] == separator) {
            m_pos = end + 1;
            return true;
        }
        m_pos = afterLineBreak(m_text, end);
        return false;
    }

    template<typename Predicate>
    qsizetype findFrom(qsizetype pos, Predicate stop) const
    {
        const auto found = std::find_if(m_text.begin() + pos, m_text.end(),
                                        [stop](QChar c) { return stop(c.unicode()); });
        return found - m_text.begin();
    }

    static void append(QString *into, QStringView part)
    {
        if (into)
            into->append(part);
    }

    QStringView m_text;
    char16_t m_separator;
    qsizetype m_pos = 0;
};

} // namespace

CatalogueReadResult parseSpreadsheet(QByteArrayView bytes)
{
    const QString text = TextFileEncoding::decode(bytes);
    RowReader rows(text, detectSeparator(text));
    CatalogueReadResult result;
    QString question;
    QString answer;
    while (!rows.atEnd()) {
        rows.next(question, answer);
        if (!question.isEmpty() && !answer.isEmpty()) {
            result.pairs.questions.append(question);
            result.pairs.answers.append(answer);
        }
    }
    return result;
}

CatalogueReadResult readSpreadsheetFile(const QString &path)
{
    const qint64 limit = maxCatalogueBytes;
    const WholeFileRead file = readWholeFile(path, limit);
    if (file.status == WholeFileRead::Status::TooLarge)
        return {{},
                ReadOutcome::Failed,
                u"Die Datei „%1“ ist zu groß für eine Wortliste (mehr als %2 MiB)."_s.arg(
                        QDir::toNativeSeparators(path), QString::number(limit / (1024 * 1024)))};
    if (file.status == WholeFileRead::Status::CannotRead)
        return {{}, ReadOutcome::Failed, file.error};
    return parseSpreadsheet(file.bytes);
}

bool isSpreadsheetFileName(QStringView fileName)
{
    return fileName.endsWith(u".csv", Qt::CaseInsensitive)
            || fileName.endsWith(u".tsv", Qt::CaseInsensitive);
}
