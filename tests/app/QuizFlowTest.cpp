#include "support/ProgramFixture.h"

#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace {

const QString title = u"Z E L - M e r k b o l d"_s;
const QStringList standardChoices = {
    u"Als Orkan."_s, u"Arabische Mathematiker."_s, u"Chinesischen Kaufleute."_s,
    u"Das Dezimalsystem=Zehnersystem"_s, u"Das sind Halogen-Scheinwerfer."_s, u"Die Babylonier."_s,
    u"Eine antike Rechentafel."_s, u"Es gibt 12 Windstärken."_s, u"In Gallonen."_s, u"Ruvero Vovor"_s};

class QuizFlow : public ProgramFixture
{
protected:
    // A catalogue of `size` pairs "Frage i" / "Antwort i".
    void loadNumberedCatalogue(int size)
    {
        QStringList questions, answers;
        for (int i = 0; i < size; ++i) {
            questions << u"Frage %1"_s.arg(i);
            answers << u"Antwort %1"_s.arg(i);
        }
        editor().Liste1->setTexts(questions);
        editor().Liste2->setTexts(answers);
    }

    QString caption(QLabel *label) { return label->text(); }
    void setCaptionOf(QLabel *label, const char16_t *text) { label->setText(QString::fromUtf16(text)); }
};

TEST_F(QuizFlow, StartsWithTheStandardQuestionsInQuizMode)
{
    EXPECT_EQ(main().windowTitle(), title);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Quizmodus"_s);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(caption(main().Bezeichnung8), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung3), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung4), u"9"_s);
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung6), u"10"_s);
    EXPECT_EQ(choices(), standardChoices);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(catalogueAnswers().first(), u"Es gibt 12 Windstärken."_s);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75);
    EXPECT_FALSE(editor().isVisible());
}

TEST_F(QuizFlow, PagingWrapsAroundTheChoiceList)
{
    click(main().Bild2);
    EXPECT_EQ(caption(main().Bezeichnung5), u"9"_s);
    EXPECT_EQ(answer(), u"Ruvero Vovor"_s);
    click(main().Bild3);
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
    press(Qt::Key_Up);
    EXPECT_EQ(answer(), u"Ruvero Vovor"_s);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(answer(), u"Arabische Mathematiker."_s);
    press(Qt::Key_Left);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
}

TEST_F(QuizFlow, AWrongAnswerIsReportedAndCountedOnly)
{
    dialogs.expectMessage(u"Leider falsch, versuch's nochmal!\r"_s, u"F e h l e r"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(caption(main().Bezeichnung8), u"1"_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"0"_s);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(answer(), u"Als Orkan."_s);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75);
}

TEST_F(QuizFlow, AnswersDifferingInCaseOrATrailingBlankAreWrong)
{
    for (const QString &nearly : {u"es gibt 12 Windstärken."_s, u"Es gibt 12 Windstärken. "_s}) {
        main().Bezeichnung2->setText(nearly);
        dialogs.expectMessage(u"Leider falsch, versuch's nochmal!\r"_s, u"F e h l e r"_s);
        click(main().Bild13);
    }
    EXPECT_EQ(caption(main().Bezeichnung8), u"2"_s);
}

TEST_F(QuizFlow, ARightAnswerMovesOnAndKeepsTheShownAnswer)
{
    answerRightByKeyboard();
    EXPECT_EQ(question(), u"Wie nennt man besonders helle Autoscheinwerfer?"_s);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"1"_s);
    EXPECT_EQ(caption(main().Bezeichnung3), u"1"_s);
    EXPECT_EQ(catalogueQuestions().size(), 9);
    EXPECT_EQ(choices().size(), 10);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75 + 890);
}

TEST_F(QuizFlow, PlayingTheWholeCatalogueByKeyboardStartsOver)
{
    for (int i = 0; i < 9; ++i)
        answerRightByKeyboard();
    dialogs.expectMessage(u"Es wurden alle Fragen beantwortet.\r"_s, u"Fragekatalog"_s);
    main().setWindowTitle(u"Z E L - M e r k b o l d  [TIERE.TXT]"_s);
    main().Bezeichnung10->hide();
    answerRightByKeyboard();
    EXPECT_TRUE(dialogs.allShown());
    EXPECT_EQ(main().windowTitle(), title);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
    EXPECT_EQ(caption(main().Bezeichnung8), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"0"_s);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(choices(), standardChoices);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75);
}

TEST_F(QuizFlow, ACompletedPracticeSetBuildsTheNextAndRestartsTheBar)
{
    loadNumberedCatalogue(25);
    main().AuswahlBilden();
    for (int i = 0; i < 10; ++i)
        answerRightByKeyboard();
    EXPECT_EQ(question(), u"Frage 10"_s);
    QStringList expected;
    for (int i = 10; i < 20; ++i)
        expected << u"Antwort %1"_s.arg(i);
    QStringList offered = choices();
    offered.sort();
    expected.sort();
    EXPECT_EQ(offered, expected);
    EXPECT_EQ(main().Liste2->text(9), u"Antwort 10"_s);
    EXPECT_EQ(caption(main().Bezeichnung3), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"10"_s);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75 + 890);
}

struct BuildCase
{
    int catalogueSize;
    const char16_t *count; // caption of the question count
    int offered;
};

class PracticeSet : public QuizFlow, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(PracticeSet, OffersTheFirstAnswersWithPairZeroLast)
{
    random = SequenceRandom({0.99, 0.1, 0.5, 0.7, 0.3});
    setCaptionOf(main().Bezeichnung6, GetParam().count);
    loadNumberedCatalogue(GetParam().catalogueSize);
    main().Bezeichnung8->setText(u"3"_s);
    main().Bezeichnung5->setText(u"4"_s);
    main().AuswahlBilden();

    const int offered = GetParam().offered;
    ASSERT_EQ(main().Liste2->count(), offered);
    EXPECT_EQ(main().Liste2->text(offered - 1), u"Antwort 0"_s);
    QStringList expected;
    for (int i = 0; i < offered; ++i)
        expected << u"Antwort %1"_s.arg(i);
    QStringList sorted = choices();
    sorted.sort();
    expected.sort();
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(caption(main().Bezeichnung4), QString::number(offered - 1));
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung8), u"3"_s);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), main().Liste2->text(0));
    EXPECT_EQ(random.reseeds, 1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PracticeSet, ::testing::Values(
    BuildCase{25, u"10", 10},
    BuildCase{3, u"10", 3},
    BuildCase{1, u"10", 1},
    BuildCase{12, u"", 1},
    BuildCase{12, u"keine", 1},
    BuildCase{60, u"50", 50}));

TEST_F(QuizFlow, BuildingOnAnEmptyCatalogueKeepsTheDisplay)
{
    loadNumberedCatalogue(0);
    main().AuswahlBilden();
    EXPECT_EQ(choices(), QStringList());
    EXPECT_EQ(caption(main().Bezeichnung4), u"9"_s);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
}

TEST_F(QuizFlow, LearnModeShowsPairsAndPagesThroughTheCatalogue)
{
    press(Qt::Key_Insert);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Lernmodus"_s);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_TRUE(main().Bezeichnung2->styleSheet().contains(u"color: #00FF00"_s));

    click(main().Bild2);
    EXPECT_EQ(question(), u"Mit welcher Maßeinheit werden in Amerika die Flüssigkeiten gemessen?"_s);
    EXPECT_EQ(answer(), u"In Gallonen."_s);
    EXPECT_EQ(editor().Liste1->listIndex(), 9);
    click(main().Bild3);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Right);
    EXPECT_EQ(answer(), u"Das Dezimalsystem=Zehnersystem"_s);

    press(Qt::Key_Return); // confirming does nothing in learn mode: no box, no count
    EXPECT_EQ(caption(main().Bezeichnung8), u"0"_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"0"_s);

    press(Qt::Key_Insert);
    press(Qt::Key_Insert);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s); // learn mode starts again at row 0
}

TEST_F(QuizFlow, BackToQuizModeShowsTheSameOfferedAnswerInWhite)
{
    click(main().Bild3);
    click(main().Bild10);
    click(main().Bild3);
    click(main().Bild10);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Quizmodus"_s);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(answer(), u"Arabische Mathematiker."_s);
    EXPECT_TRUE(main().Bezeichnung2->styleSheet().contains(u"color: #FFFFFF"_s));
}

TEST_F(QuizFlow, LearnModeCoversOnlyTheRemainingPairs)
{
    answerRightByKeyboard();
    click(main().Bild10);
    click(main().Bild2);
    EXPECT_EQ(editor().Liste2->listIndex(), 8);
    EXPECT_EQ(answer(), u"In Gallonen."_s);
}

TEST_F(QuizFlow, LoeschenInLearnModeBringsBackTheStandardPairs)
{
    answerRightByKeyboard();
    click(main().Bild10);
    main().Bezeichnung10->hide();
    click(main().Bild6);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Lernmodus"_s);
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(answer(), u"Es gibt 12 Windstärken."_s);
    EXPECT_EQ(caption(main().Bezeichnung9), u"0"_s);
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
}

TEST_F(QuizFlow, AnEmptyCatalogueNeitherCrashesTheModeSwitchNorPaging)
{
    loadNumberedCatalogue(0);
    click(main().Bild10);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Lernmodus"_s);
    EXPECT_EQ(question(), QString());
    EXPECT_EQ(answer(), QString());
    click(main().Bild3);
    click(main().Bild2);
    click(main().Bild10);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Quizmodus"_s);
}

// A file without a pair leaves the choice list empty and its last index at -1; paging back must
// not take the browse position below 0.
TEST_F(QuizFlow, BackOnAnEmptyChoiceListStaysAtPositionZero)
{
    loadNumberedCatalogue(0);
    main().Liste2->clear();
    setCaptionOf(main().Bezeichnung4, u"-1");
    click(main().Bild2);
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
    EXPECT_EQ(answer(), QString());
    press(Qt::Key_Up);
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
}

TEST_F(QuizFlow, AnEmptyShownAnswerOnAnEmptyCatalogueCountsAsRightAndStartsOver)
{
    loadNumberedCatalogue(0);
    main().Liste2->clear();
    main().Bezeichnung4->setText(u"-1"_s);
    main().Bezeichnung2->setText(QString());
    dialogs.expectMessage(u"Es wurden alle Fragen beantwortet.\r"_s, u"Fragekatalog"_s);
    click(main().Bild13);
    EXPECT_EQ(catalogueQuestions().size(), 10);
}

TEST_F(QuizFlow, KeysWithoutAMeaningDoNothing)
{
    press(Qt::Key_Plus);
    press(Qt::Key_Minus);
    press(Qt::Key_A);
    EXPECT_EQ(caption(main().Bezeichnung7), u"Quizmodus"_s);
    EXPECT_EQ(caption(main().Bezeichnung5), u"0"_s);
}

TEST_F(QuizFlow, ClickingTheNoticeHidesIt)
{
    QTest::mouseClick(main().Bezeichnung10, Qt::LeftButton);
    EXPECT_FALSE(main().Bezeichnung10->isVisible());
}

} // namespace
