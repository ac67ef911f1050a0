// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumericValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

std::string withoutBlanks(QStringView text)
{
    std::string kept;
    kept.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        // Only ASCII can be part of a number; anything else ends it, as '\x01' does.
        kept.push_back(c.unicode() < 128 ? char(c.unicode()) : '\x01');
    }
    return kept;
}

bool isDigitIn(char c, int base)
{
    if (base == 8)
        return c >= '0' && c <= '7';
    if (base == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    return c >= '0' && c <= '9';
}

// &H and &O numbers are integers of 16 bits when they fit in 4 hex / 6 octal digits, else
// of 32 bits, so &HFFFF reads as -1 and &H8000 as -32768.
double prefixedValue(const std::string &s, size_t start, int base)
{
    size_t end = start;
    while (end < s.size() && isDigitIn(s[end], base))
        ++end;
    if (end == start)
        return 0;
    unsigned long long raw = 0;
    if (std::from_chars(s.data() + start, s.data() + end, raw, base).ec != std::errc())
        return 0;
    if (raw <= 0xFFFFu)
        return raw > 0x7FFFu ? double(raw) - 65536.0 : double(raw);
    if (raw <= 0xFFFFFFFFu)
        return raw > 0x7FFFFFFFu ? double(raw) - 4294967296.0 : double(raw);
    return 0;
}

// Length of the longest prefix of s that forms a decimal number, or 0.
size_t decimalPrefixLength(const std::string &s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < s.size() && isDigitIn(s[i], 10)) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigitIn(s[i], 10)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            ++e;
        const size_t exponentStart = e;
        while (e < s.size() && isDigitIn(s[e], 10))
            ++e;
        if (e > exponentStart)
            i = e;
    }
    return i;
}

} // namespace

double numericValue(QStringView text)
{
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return prefixedValue(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return prefixedValue(s, 2, 8);
        return 0;
    }
    const size_t length = decimalPrefixLength(s);
    if (length == 0)
        return 0;
    // from_chars reads the C locale's form whatever the desktop's language: the C library's
    // strtod would take a German desktop's comma as the decimal point and stop at the ".".
    std::string number = s.substr(s[0] == '+' ? 1 : 0, length - (s[0] == '+' ? 1 : 0));
    for (char &c : number) {
        if (c == 'd' || c == 'D')
            c = 'e';
    }
    double value = 0;
    const std::errc error = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    return error == std::errc() && std::isfinite(value) ? value : 0;
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    return QString::number(value, 'g', 15);
}

int numericInt(double value)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return int(std::clamp(std::round(value), lowest, highest));
}
