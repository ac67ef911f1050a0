// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/QuizProcedures.h"
#include "support/ProgramFixture.h"

using namespace Qt::StringLiterals;

namespace {

// `shown` is the count before, proposed in the box; `typed` what the box gives back ("" also for
// Cancel).
struct CountCase
{
    const char *name;
    const char16_t *shown, *typed, *stored;
    int practiceSetSize;
};

class QuestionCount : public ProgramFixture, public ::testing::WithParamInterface<CountCase>
{ };

// Every answer builds a new practice set, also the unchanged proposal.
TEST_P(QuestionCount, StoresTheBoundedCountAndBuildsANewPracticeSet)
{
    const CountCase &entry = GetParam();
    loadNumberedCatalogue(60);
    QuizProcedures::buildPracticeSet(*program);
    answerRightByKeyboard(); // a practice set under way
    main().questionCountLabel->setText(QString::fromUtf16(entry.shown));
    const int reseedsBefore = random.reseeds;
    dialogs.expectInput(u"Anzahl der gleichzeitig geladenen Fragen und Antworten (10 bis 50):"_s,
                        u"Maximale Fragenzahl"_s, QString::fromUtf16(entry.shown),
                        QString::fromUtf16(entry.typed));
    click(main().questionCountButton);
    EXPECT_EQ(main().questionCountLabel->text(), QString::fromUtf16(entry.stored));
    EXPECT_EQ(random.reseeds, reseedsBefore + 1) << "no new practice set was built";
    EXPECT_EQ(choices().size(), entry.practiceSetSize);
    EXPECT_EQ(main().lastChoiceRowLabel->text(), QString::number(entry.practiceSetSize - 1));
    EXPECT_EQ(main().rightInSetLabel->text(), u"0"_s);
    EXPECT_EQ(question(), u"Frage 1"_s);
}

INSTANTIATE_TEST_SUITE_P(
        Inputs, QuestionCount,
        ::testing::Values(CountCase{"WithinBounds", u"10", u"25", u"25", 25},
                          CountCase{"BelowTheLowerBound", u"10", u"5", u"10", 10},
                          CountCase{"Zero", u"10", u"0", u"10", 10},
                          CountCase{"Negative", u"10", u"-3", u"10", 10},
                          CountCase{"NoDigits", u"10", u"abc", u"10", 10},
                          CountCase{"EmptyOrCancel", u"20", u"", u"10", 10},
                          CountCase{"AboveTheUpperBound", u"10", u"80", u"50", 50},
                          CountCase{"LeadingNumberOfAText", u"10", u"30 Fragen", u"30", 30},
                          CountCase{"BlanksInsideIgnored", u"10", u"1 5", u"15", 15},
                          CountCase{"TheProposedValueUnchanged", u"20", u"20", u"20", 20},
                          CountCase{"FractionKeepsItsPoint", u"10", u"12.5", u"12.5", 13},
                          CountCase{"CommaEndsTheNumber", u"10", u"12,5", u"12", 12}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
