#include "platform/CheckBox.h"
#include "platform/SingleLineValidator.h"
#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CheckBox, HoldsTheThreeValuesAndRefusesOthers)
{
    CheckBox box(u" Laufwerke abblenden"_s, nullptr);
    for (int value : {1, 2, 0}) {
        box.setValue(value);
        EXPECT_EQ(box.value(), value);
    }
    box.setValue(3);
    box.setValue(-1);
    EXPECT_EQ(box.value(), 0);
}

TEST(CheckBox, TheUserOnlyTicksAndUnticks)
{
    CheckBox box(u" Ausdrucken erlauben"_s, nullptr);
    box.setValue(2);
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
{
};

TEST_P(SingleLine, EveryLineBreakBecomesOneBlank)
{
    QLineEdit input;
    input.setValidator(new SingleLineValidator(&input));
    input.insert(u"<"_s);
    input.insert(QString::fromUtf16(GetParam().typed)); // the way a paste arrives
    input.insert(u">"_s);
    EXPECT_EQ(input.text(), u"<"_s + QString::fromUtf16(GetParam().kept) + u">"_s);
}

INSTANTIATE_TEST_SUITE_P(Breaks, SingleLine, ::testing::Values(
    LineBreakCase{u"Frage\r\nzwei", u"Frage zwei"},
    LineBreakCase{u"Frage\rzwei", u"Frage zwei"},
    LineBreakCase{u"Frage\nzwei", u"Frage zwei"},
    LineBreakCase{u"a\r\n\r\nb\n", u"a  b "},
    LineBreakCase{u"a\u2028b\u2029c\u0085d", u"a b c d"},
    LineBreakCase{u"\tTab bleibt ", u"\tTab bleibt "}));

TEST(SingleLine, TextSetFromCodeIsKeptToOneLineToo)
{
    QLineEdit input;
    input.setValidator(new SingleLineValidator(&input));
    input.setText(u"eins\r\nzwei"_s);
    EXPECT_EQ(input.text(), u"eins zwei"_s);
}

} // namespace
