// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's journeys: a catalogue edited, saved and loaded back; the two ways out and the
// window frame; saves that fail; the standard file; its help.
#include "support/ProgramFixture.h"

#include "catalogue/StandardPairs.h"

#include <QPushButton>

namespace {

// The editor shown after start-up (no settings file, so nothing was loaded); the working folder
// holds a catalogue and a folder named like one.
class Editor : public ProgramFixture
{
protected:
    void prepareWorkDir() override
    {
        putFile(workDir.filePath(u"tiere.txt"_s), "Hund\r\nbellt\r\n");
        ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ORDNER.TXT"_s));
    }
    void SetUp() override
    {
        ProgramFixture::SetUp();
        runStartupTimer();
        openEditor();
    }

public:
    void expectNameInput(const QString &proposed, const QString &typed)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed, typed);
    }
    void expectBackInTheQuiz()
    {
        EXPECT_FALSE(editor().isVisible());
        EXPECT_TRUE(main().isVisible());
    }
};

// Refused entries leave the catalogue and the inputs alone; a double-clicked pair fills both
// inputs; the choice list keeps the standard answers until the next practice set.
TEST_F(Editor, ACatalogueTypedInSavedAndLoadedBackIsTheSame)
{
    dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                          MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, MsgBox::Yes);
    click(editor().newCatalogueButton);
    EXPECT_EQ(catalogueQuestions(), QStringList());
    typePair(u"Wie heißt die Hauptstadt von Österreich?"_s, u"Wien"_s);
    editor().questionInput->insert(u"Größter\r\nPlanet?"_s); // a pasted line break
    editor().answerInput->setText(u"Jupiter "_s);
    click(editor().addPairButton);
    typePair(u"Kuh"_s, u"muht"_s);
    dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);
    typePair(u"Kalb"_s, u"muht"_s);
    dialogs.expectMessage(u"Frage und Antwort ausfüllen!\r"_s, u"Dateifehler"_s);
    typePair(u"Kalb"_s, QString());
    click(editor().clearQuestionButton);
    EXPECT_EQ(editor().questionInput->text(), QString());
    clickRow(*editor().answerList, 2, true);
    EXPECT_EQ(editor().questionInput->text(), u"Kuh"_s);
    EXPECT_EQ(editor().questionList->listIndex(), 2);
    click(editor().deletePairButton);
    EXPECT_EQ(catalogueQuestions().size(), 2);
    EXPECT_EQ(choices().size(), 10);

    expectNameInput(QString(), u"RUNDE.TXT"_s);
    dialogs.expectMessage(u"Die Datei RUNDE.TXT wurde gespeichert.\r"_s, u"Datei sichern"_s);
    click(editor().saveButton);
    EXPECT_EQ(fileBytes(workDir.filePath(u"RUNDE.TXT"_s)),
              "Wie hei\xDF"
              "t die Hauptstadt von \xD6sterreich?\r\nWien\r\n"
              "Gr\xF6\xDF"
              "ter Planet?\r\nJupiter \r\n");
    EXPECT_EQ(main().fileList->texts(), QStringList({u"RUNDE.TXT"_s, u"tiere.txt"_s}));

    setCatalogue({}, {});
    expectCountMessage(2, u"RUNDE.TXT"_s);
    loadInEditor(workDir.path(), u"RUNDE.TXT"_s);
    EXPECT_EQ(catalogueAnswers(), QStringList({u"Wien"_s, u"Jupiter "_s}));
    EXPECT_EQ(choices(), QStringList({u"Jupiter "_s, u"Wien"_s}));
    EXPECT_FALSE(editor().filePanel->isVisible());
}

// A failed save says why, shows no confirmation, and leaves the disk and the catalogue as they
// were; so does a catalogue of unequal lists, refused before the name, and an empty name.
TEST_F(Editor, AFailedSaveSaysWhyAndChangesNothing)
{
    const QStringList listing = workDirEntries();
    const QString overLongName = QString(300, u'A') + u".TXT"_s;
    const std::pair<QString, QString> failures[] = {
            {u"ORDNER.TXT"_s, u"„ORDNER.TXT“ ist ein Ordner und keine Datei."_s},
            {u"fehlt/tiere.txt"_s, u"Den Ordner „%1/fehlt“ gibt es nicht."_s.arg(workDir.path())},
            {overLongName, u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s},
            {u"tiere.txt"_s,
             u"Die Datei „tiere.txt“ konnte nicht vollständig geschrieben werden."_s}};
    for (const auto &[typed, reason] : failures) {
        expectNameInput(QString(), typed);
        dialogs.expectMessage(u"Die Datei wurde nicht gespeichert.\r"_s + reason + u'\r',
                              u"Dateifehler"_s);
        onAFullDisk([this] { click(editor().saveButton); }); // the standard pairs need far more
    }
    expectNameInput(QString(), QString());
    click(editor().saveButton);
    setCatalogue({u"Kuh"_s, u"Hund"_s}, {u"muht"_s});
    dialogs.expectMessage(u"Verschieden viele Fragen und Antworten!\r"_s, u"Dateifehler"_s);
    click(editor().saveButton);
    EXPECT_EQ(fileBytes(workDir.filePath(u"tiere.txt"_s)), QByteArray("Hund\r\nbellt\r\n"));
    EXPECT_EQ(workDirEntries(), listing);
}

// "Abbruch" writes the settings, even where it failed before, and goes back to the standard
// questions; the standard file is the marked file in capitals until "X" clears it.
TEST_F(Editor, AbbruchWritesTheSettingsAndReturnsToTheStandardQuestions)
{
    editor().fileList->setListIndex(0);
    click(editor().standardFileName);
    EXPECT_EQ(editor().standardFileName->text(), u"TIERE.TXT"_s);
    click(editor().noStandardFileButton);
    EXPECT_EQ(editor().standardFileName->text(), QString());
    EXPECT_EQ(editor().fileList->listIndex(), -1);
    editor().fileList->setListIndex(0);
    click(editor().standardFileCaption);
    editor().allowPrinting->setValue(1);
    editor().hideDrives->setValue(0);
    setCatalogue({u"Kuh"_s}, {u"muht"_s});
    main().standardNotice->hide();
    const QString settings = workDir.filePath(u"ZELMERK.INI"_s);
    ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ZELMERK.INI"_s));
    dialogs.expectMessage(u"Die Einstellungen konnten nicht gespeichert werden.\r"
                          u"„ZELMERK.INI“ ist ein Ordner und keine Datei.\r"_s,
                          u"Einstellungen"_s);
    click(editor().cancelButton);
    expectBackInTheQuiz();

    ASSERT_TRUE(QDir(settings).removeRecursively());
    openEditor();
    click(editor().cancelButton);
    EXPECT_EQ(fileBytes(settings), settingsBytes("TIERE.TXT", " 1 ", " 0 "));
    expectBackInTheQuiz();
    EXPECT_TRUE(main().standardNotice->isVisible());
    EXPECT_EQ(catalogueQuestions().first(), QString::fromUtf16(standardPairs[0].question));
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
}

// "Abbruch mit Laden" keeps a loaded catalogue with its alphabetical choices and writes
// nothing; a visit without edits leaves the practice set under way; closing the frame after a
// deletion builds a new practice set without the deleted answer.
TEST_F(Editor, AbbruchMitLadenAndTheFrameKeepTheCatalogue)
{
    QByteArray reversed; // "Frage i" / "Antwort 11-i": file order and alphabetical order differ
    for (int i = 0; i < 12; ++i)
        reversed += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(11 - i)
                + "\r\n";
    putCatalogue(u"zwoelf.txt"_s, reversed);
    expectCountMessage(12, u"ZWOELF.TXT"_s);
    loadInEditor(catalogues.path(), u"zwoelf.txt"_s);
    click(editor().returnButton);
    expectBackInTheQuiz();
    EXPECT_EQ(choices().first(), u"Antwort 10"_s);
    EXPECT_EQ(choices().last(), u"Antwort 9"_s);
    EXPECT_EQ(answer(), u"Antwort 10"_s);
    answerRightByKeyboard();
    const QStringList underWay = counters();
    openEditor();
    click(editor().returnButton);
    EXPECT_EQ(counters(), underWay);
    EXPECT_FALSE(QFile::exists(workDir.filePath(u"ZELMERK.INI"_s)));

    openEditor();
    editor().questionList->setListIndex(0);
    click(editor().deletePairButton);
    const int reseeds = random.reseeds;
    editor().close();
    expectBackInTheQuiz();
    EXPECT_EQ(random.reseeds, reseeds + 1);
    EXPECT_EQ(choices().size(), 10);
    EXPECT_FALSE(choices().contains(u"Antwort 10"_s));
    EXPECT_EQ(question(), u"Frage 2"_s);
}

TEST_F(Editor, TheHelpTellsTheTwoWaysOutAndHowToSetTheStandardFile)
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
