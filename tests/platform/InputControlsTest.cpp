// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CheckBox.h"
#include "platform/SingleLineValidator.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Code sets any of the three values and nothing else; the user only ticks and unticks.
TEST(CheckBox, HoldsTheThreeValuesAndTheUserOnlyTicksAndUnticks)
{
    CheckBox box(u" Ausdrucken erlauben"_s, nullptr);
    for (int value : {1, 0, 2}) {
        box.setValue(value);
        EXPECT_EQ(box.value(), value);
    }
    box.setValue(3);
    box.setValue(-1);
    EXPECT_EQ(box.value(), 2);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    std::vector<int> seen;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
        seen.push_back(box.value());
    }
    EXPECT_EQ(seen, std::vector<int>({1, 0, 1}));
}

struct LineBreakCase
{
    const char16_t *typed;
    const char16_t *kept;
};

class SingleLine : public ::testing::TestWithParam<LineBreakCase>
{ };

// Pasted or set from code, the text stays on one line.
TEST_P(SingleLine, EveryLineBreakBecomesOneBlank)
{
    QLineEdit input;
    input.setValidator(new SingleLineValidator(&input));
    input.insert(u"<"_s);
    input.insert(QString::fromUtf16(GetParam().typed)); // the way a paste arrives
    input.insert(u">"_s);
    EXPECT_EQ(input.text(), u"<"_s + QString::fromUtf16(GetParam().kept) + u">"_s);
    input.setText(QString::fromUtf16(GetParam().typed));
    EXPECT_EQ(input.text(), QString::fromUtf16(GetParam().kept));
}

INSTANTIATE_TEST_SUITE_P(Breaks, SingleLine,
                         ::testing::Values(LineBreakCase{u"Frage\r\nzwei", u"Frage zwei"},
                                           LineBreakCase{u"Frage\rzwei", u"Frage zwei"},
                                           LineBreakCase{u"Frage\nzwei", u"Frage zwei"},
                                           LineBreakCase{u"a\r\n\r\nb\n", u"a  b "},
                                           LineBreakCase{u"a\u2028b\u2029c\u0085d", u"a b c d"},
                                           LineBreakCase{u"\tTab bleibt ", u"\tTab bleibt "}));

} // namespace
