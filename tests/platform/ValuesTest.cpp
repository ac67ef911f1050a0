// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumericValue.h"
#include "platform/VirtualKey.h"

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

// Blanks anywhere, signs, exponents with E or D, hexadecimal and octal in 16 bits.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, NumericValueTest, ::testing::Values(
    ValueCase{u"", 0}, ValueCase{u"10", 10}, ValueCase{u"1 5", 15}, ValueCase{u"30 Fragen", 30},
    ValueCase{u"Fragen 30", 0}, ValueCase{u" \t\n4\t2", 42}, ValueCase{u"-1", -1}, ValueCase{u"+7", 7},
    ValueCase{u"- 3", -3}, ValueCase{u"12.5", 12.5}, ValueCase{u".5", 0.5}, ValueCase{u"3.", 3},
    ValueCase{u"1e3", 1000}, ValueCase{u"2.5E-1x", 0.25}, ValueCase{u"1d2", 100}, ValueCase{u"7e", 7},
    ValueCase{u"7e+", 7}, ValueCase{u"-", 0}, ValueCase{u".", 0}, ValueCase{u"1,5", 1},
    ValueCase{u"&H1F", 31}, ValueCase{u"&hff", 255}, ValueCase{u"&HFFFF", -1}, ValueCase{u"&H8000", -32768},
    ValueCase{u"&H10000", 65536}, ValueCase{u"&O17", 15}, ValueCase{u"&O9", 0}, ValueCase{u"&X1", 0},
    ValueCase{u"1e999", 0}, ValueCase{u"²3", 0}, ValueCase{u"4ä", 4}));
// clang-format on

TEST(NumericValue, WholeNumbersAreWrittenWithoutAPointAndRoundedIntoRange)
{
    const std::pair<double, const char16_t *> texts[] = {
            {0, u"0"}, {-0.0, u"0"}, {-1, u"-1"}, {1000000, u"1000000"}, {964.5, u"964.5"}};
    for (const auto &[value, text] : texts)
        EXPECT_EQ(numberText(value), QString::fromUtf16(text)) << value;
    EXPECT_EQ(numericInt(2.4), 2);
    EXPECT_EQ(numericInt(-0.6), -1);
    EXPECT_EQ(numericInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(numericInt(-1e300), std::numeric_limits<int>::min());
}

// Qt's "+" and "-" carry the numbers of Execute and Insert; they must do nothing here.
TEST(VirtualKey, MapsQtKeysToTheirCodes)
{
    const std::pair<int, int> keys[] = {
            {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Left, 37},
            {Qt::Key_Up, 38},     {Qt::Key_Right, 39}, {Qt::Key_Down, 40},   {Qt::Key_Execute, 43},
            {Qt::Key_Insert, 45}, {Qt::Key_F1, 112},   {Qt::Key_A, 65},      {Qt::Key_5, 53},
            {Qt::Key_Plus, 0},    {Qt::Key_Minus, 0},  {Qt::Key_F2, 0}};
    for (const auto &[qtKey, code] : keys)
        EXPECT_EQ(virtualKeyCode(qtKey), code) << qtKey;
}

} // namespace
