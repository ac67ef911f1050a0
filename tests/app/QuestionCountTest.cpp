#include "support/ProgramFixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString prompt = u"Anzahl der gleichzeitig geladenen Fragen und Antworten (10 bis 50):"_s;
const QString title = u"Maximale Fragenzahl"_s;

class QuestionCount : public ProgramFixture
{
protected:
    // Sixty numbered pairs, so that every allowed count fits in the catalogue.
    void loadSixtyPairs()
    {
        QStringList questions, answers;
        for (int i = 0; i < 60; ++i) {
            questions << u"Frage %1"_s.arg(i);
            answers << u"Antwort %1"_s.arg(i);
        }
        editor().Liste1->setTexts(questions);
        editor().Liste2->setTexts(answers);
    }
};

struct CountCase
{
    const char *name;
    const char16_t *typed; // what the input box gives back; "" also for Cancel
    const char16_t *stored;
    int practiceSetSize;
};

class QuestionCountInput : public QuestionCount, public ::testing::WithParamInterface<CountCase>
{
};

TEST_P(QuestionCountInput, StoresTheBoundedCountAndBuildsANewPracticeSet)
{
    const CountCase &entry = GetParam();
    loadSixtyPairs();
    const int reseedsBefore = random.reseeds;
    dialogs.expectInput(prompt, title, u"10"_s, QString::fromUtf16(entry.typed));
    click(main().Bild7);
    EXPECT_EQ(main().Bezeichnung6->text(), QString::fromUtf16(entry.stored));
    EXPECT_EQ(random.reseeds, reseedsBefore + 1) << "no new practice set was built";
    EXPECT_EQ(choices().size(), entry.practiceSetSize);
    EXPECT_EQ(main().Bezeichnung4->text(), QString::number(entry.practiceSetSize - 1));
    EXPECT_EQ(question(), u"Frage 0"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, QuestionCountInput,
    ::testing::Values(CountCase{"WithinBounds", u"25", u"25", 25},
                      CountCase{"BelowTheLowerBound", u"5", u"10", 10},
                      CountCase{"Zero", u"0", u"10", 10},
                      CountCase{"Negative", u"-3", u"10", 10},
                      CountCase{"NoDigits", u"abc", u"10", 10},
                      CountCase{"EmptyOrCancel", u"", u"10", 10},
                      CountCase{"AboveTheUpperBound", u"80", u"50", 50},
                      CountCase{"LeadingNumberOfAText", u"30 Fragen", u"30", 30},
                      CountCase{"BlanksInsideIgnored", u"1 5", u"15", 15},
                      CountCase{"TheProposedValueAgain", u"10", u"10", 10},
                      CountCase{"FractionKeepsItsPoint", u"12.5", u"12.5", 13},
                      CountCase{"CommaEndsTheNumber", u"12,5", u"12", 12}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(QuestionCount, ProposesTheCurrentCountAndRestartsTheSetEvenWhenUnchanged)
{
    loadSixtyPairs();
    dialogs.expectInput(prompt, title, u"10"_s, u"20"_s);
    click(main().Bild7);
    answerRightByKeyboard();
    ASSERT_EQ(main().Bezeichnung3->text(), u"1"_s);
    ASSERT_EQ(question(), u"Frage 1"_s);

    dialogs.expectInput(prompt, title, u"20"_s, u"20"_s);
    click(main().Bild7);
    EXPECT_EQ(main().Bezeichnung3->text(), u"0"_s);
    EXPECT_EQ(main().Bezeichnung5->text(), u"0"_s);
    EXPECT_EQ(choices().size(), 20);
    EXPECT_TRUE(choices().contains(u"Antwort 20"_s));
    EXPECT_FALSE(choices().contains(u"Antwort 0"_s));
}

} // namespace
