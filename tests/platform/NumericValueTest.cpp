// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/NumericValue.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase
{
    const char16_t *text;
    double value;
};

class NumericValueTest : public ::testing::TestWithParam<ValueCase>
{ };

TEST_P(NumericValueTest, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(numericValue(QString::fromUtf16(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
        Texts, NumericValueTest,
        ::testing::Values(ValueCase{u"", 0}, ValueCase{u"0", 0}, ValueCase{u"10", 10},
                          ValueCase{u"1 5", 15}, ValueCase{u"30 Fragen", 30},
                          ValueCase{u"Fragen 30", 0}, ValueCase{u" \t\n4\t2", 42},
                          ValueCase{u"-1", -1}, ValueCase{u"+7", 7}, ValueCase{u"- 3", -3},
                          ValueCase{u"12.5", 12.5}, ValueCase{u".5", 0.5}, ValueCase{u"3.", 3},
                          ValueCase{u"1e3", 1000}, ValueCase{u"2.5E-1x", 0.25},
                          ValueCase{u"1d2", 100}, ValueCase{u"7e", 7}, ValueCase{u"7e+", 7},
                          ValueCase{u"-", 0}, ValueCase{u".", 0}, ValueCase{u"1,5", 1},
                          ValueCase{u"&H1F", 31}, ValueCase{u"&hff", 255}, ValueCase{u"&HFFFF", -1},
                          ValueCase{u"&H8000", -32768}, ValueCase{u"&H10000", 65536},
                          ValueCase{u"&O17", 15}, ValueCase{u"&O9", 0}, ValueCase{u"&X1", 0},
                          ValueCase{u"1e999", 0}, ValueCase{u"²3", 0}, ValueCase{u"4ä", 4}));

struct TextCase
{
    double value;
    const char16_t *text;
};

class NumberTextTest : public ::testing::TestWithParam<TextCase>
{ };

TEST_P(NumberTextTest, WholeNumbersHaveNoPoint)
{
    EXPECT_EQ(numberText(GetParam().value), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberTextTest,
                         ::testing::Values(TextCase{0, u"0"}, TextCase{-0.0, u"0"},
                                           TextCase{9, u"9"}, TextCase{10, u"10"},
                                           TextCase{-1, u"-1"}, TextCase{32767, u"32767"},
                                           TextCase{1000000, u"1000000"},
                                           TextCase{964.5, u"964.5"}));

TEST(NumericInt, RoundsAndHoldsWithinRange)
{
    EXPECT_EQ(numericInt(2.4), 2);
    EXPECT_EQ(numericInt(-0.6), -1);
    EXPECT_EQ(numericInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(numericInt(-1e300), std::numeric_limits<int>::min());
}

} // namespace
