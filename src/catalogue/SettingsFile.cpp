// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/SettingsFile.h"

#include "catalogue/FileAccess.h"
#include "catalogue/TextFileEncoding.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Six short lines; anything much larger is not a settings file.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Hands out the comma- and line-separated fields of a text one by one.
class FieldReader
{
public:
    explicit FieldReader(QStringView text) : m_text(text) { }

    // Nothing once the text is used up.
    std::optional<QString> next()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        while (m_pos < m_text.size() && m_text[m_pos] == u' ')
            ++m_pos;
        const QString field =
                m_pos < m_text.size() && m_text[m_pos] == u'"' ? quotedField() : plainField();
        skipDelimiter();
        return field;
    }

private:
    qsizetype delimiterFrom(qsizetype pos) const
    {
        while (pos < m_text.size() && m_text[pos] != u',' && !isLineEnd(m_text[pos]))
            ++pos;
        return pos;
    }

    QString plainField()
    {
        const qsizetype start = m_pos;
        m_pos = delimiterFrom(start);
        return m_text.sliced(start, m_pos - start).toString();
    }

    // Commas and line ends inside the quotes belong to the field; whatever follows the closing
    // quote up to the delimiter is dropped.
    QString quotedField()
    {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0)
            close = m_text.size();
        m_pos = delimiterFrom(close);
        return m_text.sliced(start, close - start).toString();
    }

    void skipDelimiter()
    {
        if (m_pos >= m_text.size())
            return;
        const QChar delimiter = m_text[m_pos++];
        if (delimiter == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

double roundHalfToEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::abs(nearest - value) == 0.5 && std::fmod(nearest, 2.0) != 0.0)
        return nearest - std::copysign(1.0, value);
    return nearest;
}

// A check box value: a number, blanks around it ignored, empty meaning 0, rounded into 0..2.
// Values beyond the 16-bit range are outside 0..2 as well, so no overflow needs its own check.
std::optional<int> checkBoxValue(const QString &field)
{
    const QString number = field.trimmed();
    if (number.isEmpty())
        return 0;
    bool isNumber = false;
    const double rounded = roundHalfToEven(number.toDouble(&isNumber));
    if (!isNumber || !(rounded >= 0.0 && rounded <= 2.0))
        return std::nullopt;
    return int(rounded);
}

std::optional<Settings> parseFields(QStringView text)
{
    FieldReader reader(text);
    std::array<QString, 6> fields;
    for (QString &field : fields) {
        std::optional<QString> read = reader.next();
        if (!read)
            return std::nullopt;
        field = *std::move(read);
    }
    const std::optional<int> printPermission = checkBoxValue(fields[3]);
    const std::optional<int> hideDrives = checkBoxValue(fields[5]);
    if (!printPermission || !hideDrives)
        return std::nullopt;
    return Settings{fields[1], *printPermission, *hideDrives};
}

// A comma, a line end or a leading blank would end a plain field or be skipped by the reader,
// so such a name is quoted (file systems allow all of them). A quoted field cannot hold a
// double quote, and a plain one cannot begin with one: it would open a quoted field that runs
// to the end of the file. A name that holds a double quote where it matters has no written
// form and is left out. That costs the default catalogue but keeps the two switches, where
// writing the name would shift the fields and lose all three.
QString nameField(const QString &name)
{
    if (name.startsWith(u'"'))
        return {};
    const bool needsQuotes = name.contains(u',') || name.contains(u'\r') || name.contains(u'\n')
            || name.startsWith(u' ');
    if (!needsQuotes)
        return name;
    if (name.contains(u'"'))
        return {};
    return u'"' + name + u'"';
}

QString checkBoxField(int value)
{
    return u' ' + QString::number(value) + u' ';
}

} // namespace

Settings parseSettings(QByteArrayView bytes)
{
    return parseFields(TextFileEncoding::decode(bytes)).value_or(Settings{});
}

Settings readSettingsFile(const QString &path)
{
    const WholeFileRead file = readWholeFile(path, kMaxSettingsBytes);
    if (file.status != WholeFileRead::Status::Read)
        return Settings{};
    return parseSettings(file.bytes);
}

QByteArray serializeSettings(const Settings &settings)
{
    const QStringList lines = {
            u"[Datei]"_s, nameField(settings.defaultCatalogue),
            u"[Druck]"_s, checkBoxField(settings.printPermission),
            u"[Laden]"_s, checkBoxField(settings.hideDrives),
    };
    return TextFileEncoding::encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
}

WriteResult writeSettingsFile(const QString &path, const Settings &settings)
{
    const QString error = writeWholeFile(path, serializeSettings(settings));
    return {error.isEmpty(), error};
}
