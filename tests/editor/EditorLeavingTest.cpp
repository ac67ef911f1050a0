#include "EditorFileFixture.h"

#include "catalogue/StandardPairs.h"
#include "platform/CheckBox.h"
#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace {

class EditorLeaving : public EditorFileFixture
{
protected:
    void expectNewFile()
    {
        dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                              MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, MsgBox::Yes);
    }

    void expectBackInTheQuiz()
    {
        EXPECT_FALSE(editor().isVisible());
        EXPECT_TRUE(main().isVisible());
    }

    QString settingsPath() const { return workDir.filePath(u"ZELMERK.INI"_s); }

    // The main window's state that a visit to the editor must not touch.
    struct QuizState
    {
        QStringList choices;
        QString rightInSet, position, wrong, right;
        double progress;
        int reseeds;
        bool operator==(const QuizState &) const = default;
    };

    QuizState quizState()
    {
        return {choices(), main().Bezeichnung3->text(), main().Bezeichnung5->text(), main().Bezeichnung8->text(),
                main().Bezeichnung9->text(), main().Figur1->widthTwips(), random.reseeds};
    }
};

TEST_F(EditorLeaving, AbbruchWritesTheSettingsAndReturnsToTheStandardQuestions)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(12));
    dialogs.expectMessage(u"Datensätze dieser Datei:   12\rProgrammvoreinstellung:   10\r"_s, u"TIERE.TXT"_s);
    loadInEditor(catalogues.path(), u"tiere.txt"_s);
    click(editor().Bezeichnung4);
    editor().Kontroll1->setValue(1);
    editor().Kontroll2->setValue(0);
    main().Bezeichnung10->hide();

    click(editor().Bild1);

    EXPECT_EQ(fileBytes(settingsPath()), QByteArray("[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n"));
    expectBackInTheQuiz();
    EXPECT_TRUE(main().Bezeichnung10->isVisible());
    ASSERT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(catalogueQuestions().first(), QString::fromUtf16(standardPairs[0].question));
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(choices().size(), 10);
}

TEST_F(EditorLeaving, AbbruchMitLadenKeepsALoadedCatalogueWithItsAlphabeticalChoices)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(12));
    dialogs.expectMessage(u"Datensätze dieser Datei:   12\rProgrammvoreinstellung:   10\r"_s, u"TIERE.TXT"_s);
    loadInEditor(catalogues.path(), u"tiere.txt"_s);
    const QuizState loaded = quizState();

    click(editor().Bild7);

    expectBackInTheQuiz();
    EXPECT_EQ(quizState(), loaded);
    EXPECT_EQ(catalogueQuestions().size(), 12);
    EXPECT_EQ(choices().first(), u"Antwort 10"_s);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), u"Antwort 10"_s);
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

// The choice list still offers the ten standard answers; only a new practice set offers these.
TEST_F(EditorLeaving, ThreePairsTypedIntoAnEmptiedCatalogueCanAllBeAnsweredRight)
{
    expectNewFile();
    click(editor().Bild10);
    typePair(u"Hund"_s, u"bellt"_s);
    typePair(u"Katze"_s, u"miaut"_s);
    typePair(u"Kuh"_s, u"muht"_s);

    click(editor().Bild7);

    expectBackInTheQuiz();
    QStringList offered = choices();
    offered.sort();
    EXPECT_EQ(offered, QStringList({u"bellt"_s, u"miaut"_s, u"muht"_s}));
    EXPECT_EQ(question(), u"Hund"_s);
    answerRightByKeyboard();
    answerRightByKeyboard();
    dialogs.expectMessage(u"Es wurden alle Fragen beantwortet.\r"_s, u"Fragekatalog"_s);
    answerRightByKeyboard();
    EXPECT_EQ(main().Bezeichnung8->text(), u"0"_s);
}

TEST_F(EditorLeaving, AVisitWithoutEditsLeavesThePracticeSetUnderWay)
{
    editor().hide();
    main().show();
    answerRightByKeyboard();
    answerRightByKeyboard();
    const QuizState underWay = quizState();
    const QString shown = question();
    openEditor();

    click(editor().Bild7);

    expectBackInTheQuiz();
    EXPECT_EQ(quizState(), underWay);
    EXPECT_EQ(question(), shown);
}

// Closing through the frame keeps the catalogue like "Abbruch mit Laden", and a deleted pair
// no longer offers its answer.
TEST_F(EditorLeaving, ClosingThroughTheFrameAfterADeletionBuildsANewPracticeSet)
{
    const QString deletedAnswer = catalogueAnswers().first();
    editor().Liste1->setListIndex(0);
    click(editor().Bild11);
    const int reseeds = random.reseeds;

    editor().close();

    expectBackInTheQuiz();
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_EQ(choices().size(), 9);
    EXPECT_FALSE(choices().contains(deletedAnswer));
    EXPECT_EQ(question(), QString::fromUtf16(standardPairs[1].question));
}

TEST_F(EditorLeaving, TheHelpTellsTheTwoWaysOutAndHowToSetTheStandardFile)
{
    dialogs.expectMessage(u"Beim Abbruch mit dem roten Kreuz wird die Datei\r"
                          u"nicht übernommen, jedoch beim grünen Häkchen.\r"
                          u"Die Standarddatei wird bei geöffneter Dateiliste\r"
                          u"markiert und mit Klicken auf das Feld zugewiesen.\r"_s,
                          u"Hilfe Editor"_s);
    click(editor().Bild6);
    EXPECT_TRUE(editor().isVisible());
}

} // namespace
