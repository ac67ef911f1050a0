// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorFileFixture.h"

#include "catalogue/StandardPairs.h"
#include "platform/CheckBox.h"
#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace {

class EditorLeaving : public EditorFileFixture
{
public:
    void expectBackInTheQuiz()
    {
        EXPECT_FALSE(editor().isVisible());
        EXPECT_TRUE(main().isVisible());
    }

    QString settingsPath() const { return workDir.filePath(u"ZELMERK.INI"_s); }

    void loadTwelvePairs()
    {
        putCatalogue(u"tiere.txt"_s, reverseNumberedCatalogue(12));
        expectCountMessage(12, u"TIERE.TXT"_s);
        loadInEditor(catalogues.path(), u"tiere.txt"_s);
    }

    // The main window's state that a visit to the editor must not touch.
    struct QuizState
    {
        QString question;
        QStringList choices, counters;
        double progress;
        int reseeds;
        bool operator==(const QuizState &) const = default;
    };

    QuizState quizState()
    {
        return {question(), choices(), counters(), main().progressBar->widthTwips(),
                random.reseeds};
    }
};

TEST_F(EditorLeaving, AbbruchWritesTheSettingsAndReturnsToTheStandardQuestions)
{
    loadTwelvePairs();
    click(editor().standardFileName);
    editor().allowPrinting->setValue(1);
    editor().hideDrives->setValue(0);
    main().standardNotice->hide();

    click(editor().cancelButton);

    EXPECT_EQ(fileBytes(settingsPath()),
              QByteArray("[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n"));
    expectBackInTheQuiz();
    EXPECT_TRUE(main().standardNotice->isVisible());
    ASSERT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(catalogueQuestions().first(), QString::fromUtf16(standardPairs[0].question));
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
    EXPECT_EQ(choices().size(), 10);
}

// The user is told, the quiz goes on all the same, and the settings stay in the editor's
// controls for the next "Abbruch".
TEST_F(EditorLeaving, ASettingsFileThatCannotBeWrittenIsReportedAndWrittenNextTime)
{
    editor().standardFileName->setText(u"TIERE.TXT"_s);
    editor().allowPrinting->setValue(1);
    editor().hideDrives->setValue(0);
    ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ZELMERK.INI"_s));
    putFile(settingsPath() + u"/inhalt"_s, "bleibt");
    dialogs.expectMessage(u"Die Einstellungen konnten nicht gespeichert werden.\r"
                          u"„ZELMERK.INI“ ist ein Ordner und keine Datei.\r"_s,
                          u"Einstellungen"_s);

    click(editor().cancelButton);

    expectBackInTheQuiz();
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(fileBytes(settingsPath() + u"/inhalt"_s), QByteArray("bleibt"));
    EXPECT_EQ(editor().standardFileName->text(), u"TIERE.TXT"_s);
    EXPECT_EQ(editor().allowPrinting->value(), 1);
    EXPECT_EQ(editor().hideDrives->value(), 0);

    ASSERT_TRUE(QDir(settingsPath()).removeRecursively());
    openEditor();
    click(editor().cancelButton);
    EXPECT_EQ(fileBytes(settingsPath()), settingsBytes("TIERE.TXT", " 1 ", " 0 "));
}

TEST_F(EditorLeaving, AbbruchMitLadenKeepsALoadedCatalogueWithItsAlphabeticalChoices)
{
    loadTwelvePairs();
    const QuizState loaded = quizState();

    click(editor().returnButton);

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
    expectNewFileQuestion(MsgBox::Yes);
    click(editor().newCatalogueButton);
    typePair(u"Hund"_s, u"bellt"_s);
    typePair(u"Katze"_s, u"miaut"_s);
    typePair(u"Kuh"_s, u"muht"_s);

    click(editor().returnButton);

    expectBackInTheQuiz();
    EXPECT_EQ(sortedChoices(), QStringList({u"bellt"_s, u"miaut"_s, u"muht"_s}));
    EXPECT_EQ(question(), u"Hund"_s);
    answerRightByKeyboard();
    answerRightByKeyboard();
    expectAllAnsweredMessage();
    answerRightByKeyboard();
    EXPECT_EQ(main().wrongCountLabel->text(), u"0"_s);
}

TEST_F(EditorLeaving, AVisitWithoutEditsLeavesThePracticeSetUnderWay)
{
    editor().hide();
    main().show();
    answerRightByKeyboard();
    answerRightByKeyboard();
    const QuizState underWay = quizState();
    openEditor();

    click(editor().returnButton);

    expectBackInTheQuiz();
    EXPECT_EQ(quizState(), underWay);
}

// Closing through the frame keeps the catalogue like "Abbruch mit Laden", and a deleted pair
// no longer offers its answer.
TEST_F(EditorLeaving, ClosingThroughTheFrameAfterADeletionBuildsANewPracticeSet)
{
    const QString deletedAnswer = catalogueAnswers().first();
    editor().questionList->setListIndex(0);
    click(editor().deletePairButton);
    const int reseeds = random.reseeds;

    editor().close();

    expectBackInTheQuiz();
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_EQ(catalogueQuestions().size(), 9);
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
    click(editor().helpButton);
    EXPECT_TRUE(editor().isVisible());
}

} // namespace
