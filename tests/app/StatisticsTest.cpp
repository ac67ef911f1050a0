// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

using namespace Qt::StringLiterals;

namespace {

// A percentage of nullptr: that button shows nothing.
struct RateCase
{
    const char *name;
    const char16_t *wrong, *right, *errorPercent, *solutionPercent;
};

class Statistics : public ProgramFixture, public ::testing::WithParamInterface<RateCase>
{ };

TEST_P(Statistics, ReportsEachRateRoundedHalfUpOrNothing)
{
    const RateCase &rates = GetParam();
    main().wrongCountLabel->setText(QString::fromUtf16(rates.wrong));
    main().rightCountLabel->setText(QString::fromUtf16(rates.right));
    if (rates.errorPercent)
        dialogs.expectMessage(u"Deine Fehlerquote beträgt %1 Prozent.\r"_s.arg(
                                      QString::fromUtf16(rates.errorPercent)),
                              u"Fehlerquote"_s, MsgBox::OkOnly);
    click(main().errorRateButton);
    if (rates.solutionPercent)
        dialogs.expectMessage(u"Deine Lösungsquote beträgt %1 Prozent.\r"_s.arg(
                                      QString::fromUtf16(rates.solutionPercent)),
                              u"Lösungsquote"_s, MsgBox::OkOnly);
    click(main().solutionRateButton);
    EXPECT_EQ(main().wrongCountLabel->text(), QString::fromUtf16(rates.wrong));
    EXPECT_EQ(main().rightCountLabel->text(), QString::fromUtf16(rates.right));
}

INSTANTIATE_TEST_SUITE_P(
        Counters, Statistics,
        ::testing::Values(RateCase{"OneWrongTwoRight", u"1", u"2", u"33", u"67"},
                          RateCase{"HalvesRoundUp", u"1", u"7", u"13", u"88"},
                          // 23 of 40 is 57.5 exactly; dividing first would give 57.49999999999999.
                          RateCase{"ExactHalfNotLostToDivision", u"23", u"17", u"58", u"43"},
                          RateCase{"OnlyWrongAnswers", u"3", u"0", u"100", nullptr},
                          RateCase{"OnlyRightAnswers", u"0", u"4", nullptr, u"100"},
                          RateCase{"NothingAnsweredYet", u"0", u"0", nullptr, nullptr},
                          RateCase{"RateBelowHalfAPercentShowsZero", u"1", u"200", u"0", u"100"}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
