// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows1252.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Bytes 0x80..0x9F; every other byte is the Latin-1 character of the same number.
// clang-format off
constexpr std::array<char16_t, 32> kHighRange = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};
// clang-format on

constexpr std::array<char16_t, 256> makeByteTable()
{
    std::array<char16_t, 256> table{};
    for (unsigned byte = 0; byte < table.size(); ++byte)
        table[byte] = (byte >= 0x80 && byte <= 0x9F) ? kHighRange[byte - 0x80] : char16_t(byte);
    return table;
}

constexpr std::array<char16_t, 256> kByteToUnit = makeByteTable();

std::optional<char> byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    const auto found = std::find(kHighRange.begin(), kHighRange.end(), unit);
    if (found == kHighRange.end())
        return std::nullopt;
    return char(0x80 + (found - kHighRange.begin()));
}

} // namespace

namespace Windows1252 {

QString decode(QByteArrayView bytes)
{
    // Qt's Latin-1 conversion is vectorised; only 0x80..0x9F need mending afterwards.
    QString text = QString::fromLatin1(bytes);
    QChar *units = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 && byte <= 0x9F) {
            if (!units)
                units = text.data();
            units[i] = QChar(kByteToUnit[byte]);
        }
    }
    return text;
}

bool canEncode(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar unit) { return byteFor(unit.unicode()).has_value(); });
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar unit : text)
        *out++ = byteFor(unit.unicode()).value_or('?');
    return bytes;
}

} // namespace Windows1252
