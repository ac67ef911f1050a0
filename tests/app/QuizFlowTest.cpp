// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/QuizProcedures.h"
#include "support/ProgramFixture.h"

#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Z E L - M e r k b o l d"_s;
const QString firstQuestion = u"Wie viele Windstärken gibt es?"_s;
const QStringList standardChoices = {u"Als Orkan."_s,
                                     u"Arabische Mathematiker."_s,
                                     u"Chinesischen Kaufleute."_s,
                                     u"Das Dezimalsystem=Zehnersystem"_s,
                                     u"Das sind Halogen-Scheinwerfer."_s,
                                     u"Die Babylonier."_s,
                                     u"Eine antike Rechentafel."_s,
                                     u"Es gibt 12 Windstärken."_s,
                                     u"In Gallonen."_s,
                                     u"Ruvero Vovor"_s};

using QuizFlow = ProgramFixture;

// The state at start-up, and again after the whole catalogue was answered.
void expectTheStandardQuizFromItsStart(ProgramFixture &t)
{
    EXPECT_EQ(t.main().windowTitle(), title);
    EXPECT_EQ(t.question(), firstQuestion);
    EXPECT_EQ(t.answer(), u"Als Orkan."_s);
    EXPECT_EQ(t.main().workModeLabel->text(), u"Quizmodus"_s);
    EXPECT_TRUE(t.main().standardNotice->isVisible());
    EXPECT_EQ(t.counters(), (QStringList{u"0"_s, u"9"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(t.main().questionCountLabel->text(), u"10"_s);
    EXPECT_EQ(t.choices(), standardChoices);
    EXPECT_EQ(t.catalogueQuestions().size(), 10);
    EXPECT_EQ(t.catalogueAnswers().first(), u"Es gibt 12 Windstärken."_s);
    EXPECT_DOUBLE_EQ(t.main().progressBar->widthTwips(), 75);
}

TEST_F(QuizFlow, PagingWrapsAroundTheChoiceListAndOtherKeysDoNothing)
{
    click(main().backButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"9"_s);
    EXPECT_EQ(answer(), u"Ruvero Vovor"_s);
    click(main().forwardButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"0"_s);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
    press(Qt::Key_Up);
    EXPECT_EQ(answer(), u"Ruvero Vovor"_s);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(answer(), u"Arabische Mathematiker."_s);
    press(Qt::Key_Left);
    // Qt's "+" and "-" carry the numbers of Execute and Insert.
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_A})
        press(key);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
    EXPECT_EQ(main().workModeLabel->text(), u"Quizmodus"_s);
}

// Only the exact text is right: letter case and a trailing blank count.
class WrongAnswer : public ProgramFixture, public ::testing::WithParamInterface<const char16_t *>
{ };

TEST_P(WrongAnswer, IsReportedAndCountedOnly)
{
    const QString shown = QString::fromUtf16(GetParam());
    main().answerDisplay->setText(shown);
    expectWrongAnswerMessage();
    press(Qt::Key_Return);
    EXPECT_EQ(counters(), (QStringList{u"0"_s, u"9"_s, u"0"_s, u"1"_s, u"0"_s}));
    EXPECT_EQ(question(), firstQuestion);
    EXPECT_EQ(answer(), shown);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_DOUBLE_EQ(main().progressBar->widthTwips(), 75);
}

INSTANTIATE_TEST_SUITE_P(Shown, WrongAnswer,
                         ::testing::Values(u"Als Orkan.", u"es gibt 12 Windstärken.",
                                           u"Es gibt 12 Windstärken. "));

TEST_F(QuizFlow, PlayingTheWholeCatalogueByKeyboardStartsOver)
{
    expectTheStandardQuizFromItsStart(*this);
    EXPECT_FALSE(editor().isVisible());
    answerRightByKeyboard(); // moves on and keeps the shown answer
    EXPECT_EQ(question(), u"Wie nennt man besonders helle Autoscheinwerfer?"_s);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_EQ(counters(), (QStringList{u"1"_s, u"9"_s, u"7"_s, u"0"_s, u"1"_s}));
    EXPECT_EQ(catalogueQuestions().size(), 9);
    EXPECT_EQ(choices().size(), 10);
    EXPECT_DOUBLE_EQ(main().progressBar->widthTwips(), 75 + 890);
    for (int i = 0; i < 8; ++i)
        answerRightByKeyboard();
    expectAllAnsweredMessage();
    main().setWindowTitle(u"Z E L - M e r k b o l d  [TIERE.TXT]"_s);
    main().standardNotice->hide();
    answerRightByKeyboard();
    expectTheStandardQuizFromItsStart(*this);
}

TEST_F(QuizFlow, ACompletedPracticeSetBuildsTheNextAndRestartsTheBar)
{
    loadNumberedCatalogue(25);
    QuizProcedures::buildPracticeSet(*program);
    for (int i = 0; i < 10; ++i)
        answerRightByKeyboard();
    EXPECT_EQ(question(), u"Frage 10"_s);
    QStringList expected = numbered(u"Antwort "_s, 10, 19);
    expected.sort();
    EXPECT_EQ(sortedChoices(), expected);
    EXPECT_EQ(main().choiceList->text(9), u"Antwort 10"_s);
    EXPECT_EQ(counters(), (QStringList{u"0"_s, u"9"_s, u"0"_s, u"0"_s, u"10"_s}));
    EXPECT_DOUBLE_EQ(main().progressBar->widthTwips(), 75 + 890);
}

// `count` is the caption of the question count.
struct BuildCase
{
    int catalogueSize;
    const char16_t *count;
    int offered;
};

class PracticeSet : public ProgramFixture, public ::testing::WithParamInterface<BuildCase>
{ };

TEST_P(PracticeSet, OffersTheFirstAnswersWithPairZeroLast)
{
    random = SequenceRandom({0.99, 0.1, 0.5, 0.7, 0.3});
    main().questionCountLabel->setText(QString::fromUtf16(GetParam().count));
    loadNumberedCatalogue(GetParam().catalogueSize);
    main().wrongCountLabel->setText(u"3"_s);
    main().browsePositionLabel->setText(u"4"_s);
    QuizProcedures::buildPracticeSet(*program);

    const int offered = GetParam().offered;
    ASSERT_EQ(main().choiceList->count(), offered);
    EXPECT_EQ(main().choiceList->text(offered - 1), u"Antwort 0"_s);
    QStringList expected = numbered(u"Antwort "_s, 0, offered - 1);
    expected.sort();
    EXPECT_EQ(sortedChoices(), expected);
    EXPECT_EQ(counters(),
              (QStringList{u"0"_s, QString::number(offered - 1), u"0"_s, u"3"_s, u"0"_s}));
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), main().choiceList->text(0));
    EXPECT_EQ(random.reseeds, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PracticeSet,
                         ::testing::Values(BuildCase{25, u"10", 10}, BuildCase{3, u"10", 3},
                                           BuildCase{1, u"10", 1}, BuildCase{12, u"", 1},
                                           BuildCase{12, u"keine", 1}, BuildCase{60, u"50", 50}));

// Nothing to select and nothing to crash on; an empty shown answer over an empty catalogue is
// the right one.
TEST_F(QuizFlow, AnEmptyCatalogueNeverBreaksTheQuiz)
{
    loadNumberedCatalogue(0);
    QuizProcedures::buildPracticeSet(*program);
    EXPECT_EQ(choices(), QStringList());
    EXPECT_EQ(main().lastChoiceRowLabel->text(), u"9"_s);
    EXPECT_EQ(question(), firstQuestion);

    click(main().workModeButton);
    EXPECT_EQ(main().workModeLabel->text(), u"Lernmodus"_s);
    EXPECT_EQ(question(), QString());
    EXPECT_EQ(answer(), QString());
    click(main().forwardButton);
    click(main().backButton);
    click(main().workModeButton);
    EXPECT_EQ(main().workModeLabel->text(), u"Quizmodus"_s);

    // A file without a pair leaves the last index at -1: paging back stays at position 0.
    main().lastChoiceRowLabel->setText(u"-1"_s);
    click(main().backButton);
    press(Qt::Key_Up);
    EXPECT_EQ(main().browsePositionLabel->text(), u"0"_s);
    EXPECT_EQ(answer(), QString());

    expectAllAnsweredMessage();
    click(main().confirmButton);
    EXPECT_EQ(catalogueQuestions().size(), 10);
}

// Learn mode shows the pairs still to answer, pages with wrap-around, ignores Enter and gives
// the quiz back where it was; "Löschen" in learn mode brings back the standard pairs.
TEST_F(QuizFlow, LearnModePagesThroughTheRemainingPairs)
{
    answerRightByKeyboard(); // the quiz is left at position 7, the right answer
    press(Qt::Key_Insert);
    EXPECT_EQ(main().workModeLabel->text(), u"Lernmodus"_s);
    EXPECT_EQ(question(), u"Wie nennt man besonders helle Autoscheinwerfer?"_s);
    EXPECT_EQ(answer(), u"Das sind Halogen-Scheinwerfer."_s);
    EXPECT_TRUE(main().answerDisplay->styleSheet().contains(u"color: #00FF00"_s));

    click(main().backButton);
    EXPECT_EQ(question(),
              u"Mit welcher Maßeinheit werden in Amerika die Flüssigkeiten gemessen?"_s);
    EXPECT_EQ(answer(), u"In Gallonen."_s);
    EXPECT_EQ(editor().questionList->listIndex(), 8);
    click(main().forwardButton);
    EXPECT_EQ(answer(), u"Das sind Halogen-Scheinwerfer."_s);
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Right);
    EXPECT_EQ(answer(), u"Die Babylonier."_s);

    press(Qt::Key_Return); // confirming does nothing in learn mode: no box, no count
    EXPECT_EQ(main().wrongCountLabel->text(), u"0"_s);
    EXPECT_EQ(main().rightCountLabel->text(), u"1"_s);

    press(Qt::Key_Insert);
    press(Qt::Key_Insert);
    EXPECT_EQ(answer(), u"Das sind Halogen-Scheinwerfer."_s); // learn mode starts again at row 0

    press(Qt::Key_Insert);
    EXPECT_EQ(main().workModeLabel->text(), u"Quizmodus"_s);
    EXPECT_EQ(question(), u"Wie nennt man besonders helle Autoscheinwerfer?"_s);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_TRUE(main().answerDisplay->styleSheet().contains(u"color: #FFFFFF"_s));

    press(Qt::Key_Insert);
    main().standardNotice->hide();
    click(main().standardQuestionsButton);
    EXPECT_EQ(main().workModeLabel->text(), u"Lernmodus"_s);
    EXPECT_EQ(question(), firstQuestion);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_EQ(main().rightCountLabel->text(), u"0"_s);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_TRUE(main().standardNotice->isVisible());
}

} // namespace
