// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/NumericValue.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

// The leading number of a caption: blanks anywhere, signs, exponents with E or D, hexadecimal
// and octal in 16 bits; whole numbers are written without a point. The same on a German
// desktop, whose C library takes a comma for the decimal point.
TEST(NumericValue, ReadsTheLeadingNumberAndWritesWholeNumbersWithoutAPoint)
{
    const std::string desktop = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr)
            << "scripts/install-deps makes it";
    // clang-format off
    const std::pair<const char16_t *, double> values[] = {
        {u"", 0}, {u"1 5", 15}, {u"30 Fragen", 30}, {u"Fragen 30", 0}, {u" \t\n4\t2", 42}, {u"- 3", -3},
        {u"+7", 7}, {u".5", 0.5}, {u"3.", 3}, {u"2.5E-1x", 0.25}, {u"1d2", 100}, {u"7e+", 7}, {u"-", 0},
        {u"1,5", 1}, {u"&hff", 255}, {u"&HFFFF", -1}, {u"&H8000", -32768}, {u"&H10000", 65536},
        {u"&O17", 15}, {u"&O9", 0}, {u"&X1", 0}, {u"1e999", 0}, {u"²3", 0}, {u"4ä", 4},
        {u"12.5", 12.5}, {u"0.5e2", 50}};
    // clang-format on
    for (const auto &[text, value] : values)
        EXPECT_DOUBLE_EQ(numericValue(QString::fromUtf16(text)), value)
                << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(numberText(-0.0) + u' ' + numberText(1000000) + u' ' + numberText(964.5),
              QStringLiteral("0 1000000 964.5"));
    EXPECT_EQ(numericInt(-0.6), -1);
    EXPECT_EQ(numericInt(-1e300), std::numeric_limits<int>::min());
    std::setlocale(LC_NUMERIC, desktop.c_str());
}

} // namespace
