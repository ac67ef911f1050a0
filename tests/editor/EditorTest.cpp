// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's journeys: a catalogue edited, saved and loaded back; saves that fail; the two
// ways out and the window frame; the standard file; its help.
#include "support/ProgramFixture.h"

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
    // Types both halves and clicks "Eingaben sichern".
    void typePair(const QString &question, const QString &answer)
    {
        control<QLineEdit>(editor(), u"Text1"_s)->setText(question);
        control<QLineEdit>(editor(), u"Text2"_s)->setText(answer);
        click(button(editor(), u"Eingaben sichern"_s));
    }
    void expectNameInput(const QString &typed)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, QString(), typed);
    }
};

// Refused entries leave the catalogue alone; a pasted line break becomes a blank; a
// double-clicked pair fills both inputs; the choice list keeps the standard answers until the
// next practice set, which loading the saved file builds.
TEST_F(Editor, ACatalogueTypedInSavedAndLoadedBackIsTheSame)
{
    dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                          BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault,
                          BoxAnswer::Yes);
    click(button(editor(), u"Neue Datei"_s));
    typePair(u"Wie heißt die Hauptstadt von Österreich?"_s, u"Wien"_s);
    control<QLineEdit>(editor(), u"Text1"_s)->insert(u"Größter\r\nPlanet?"_s);
    typePair(control<QLineEdit>(editor(), u"Text1"_s)->text(), u"Jupiter "_s);
    typePair(u"Kuh"_s, u"muht"_s);
    dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);
    typePair(u"Kalb"_s, u"muht"_s);
    dialogs.expectMessage(u"Frage und Antwort ausfüllen!\r"_s, u"Dateifehler"_s);
    typePair(u"Kalb"_s, QString());
    clickRow(*control<ListBox>(editor(), u"Liste2"_s), 2, true);
    EXPECT_EQ(control<QLineEdit>(editor(), u"Text1"_s)->text(), u"Kuh"_s);
    click(button(editor(), u"Zeile löschen"_s));

    expectNameInput(u"RUNDE.TXT"_s);
    dialogs.expectMessage(u"Die Datei RUNDE.TXT wurde gespeichert.\r"_s, u"Datei sichern"_s);
    click(button(editor(), u"Listen speichern"_s));
    EXPECT_EQ(fileBytes(workDir.filePath(u"RUNDE.TXT"_s)),
              "Wie hei\xDFt die Hauptstadt von \xD6sterreich?\r\nWien\r\nGr\xF6\xDFter "
              "Planet?\r\nJupiter \r\n");
    setCatalogue({}, {});
    expectCountMessage(2, u"RUNDE.TXT"_s);
    loadInEditor(workDir.path(), u"RUNDE.TXT"_s);
    EXPECT_EQ(choices(), QStringList({u"Jupiter "_s, u"Wien"_s}));
}

// A failed save says why, shows no confirmation, and leaves the disk as it was; on a full disk
// the write fails half-way; lists of unequal length are refused before the name is asked.
TEST_F(Editor, AFailedSaveSaysWhyAndChangesNothing)
{
    const QStringList listing = workDirEntries();
    const QString overLongName = QString(300, u'A') + u".TXT"_s;
    const std::pair<QString, QString> failures[] = {
            {u"ORDNER.TXT"_s, u"„ORDNER.TXT“ ist ein Ordner und keine Datei."_s},
            {u"fehlt/tiere.txt"_s, u"Den Ordner „%1/fehlt“ gibt es nicht."_s.arg(workDir.path())},
            {overLongName, u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s},
            {u"tiere.txt"_s,
             u"Die Datei „tiere.txt“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s}};
    for (const auto &[typed, reason] : failures) {
        expectNameInput(typed);
        dialogs.expectMessage(u"Die Datei wurde nicht gespeichert.\r"_s + reason + u'\r',
                              u"Dateifehler"_s);
        onAFullDisk([this] {
            click(button(editor(), u"Listen speichern"_s));
        }); // the standard pairs need far more
    }
    expectNameInput(QString()); // no name, no file, no box
    click(button(editor(), u"Listen speichern"_s));
    setCatalogue({u"Kuh"_s, u"Hund"_s}, {u"muht"_s});
    dialogs.expectMessage(u"Verschieden viele Fragen und Antworten!\r"_s, u"Dateifehler"_s);
    click(button(editor(), u"Listen speichern"_s));
    EXPECT_EQ(fileBytes(workDir.filePath(u"tiere.txt"_s)), QByteArray("Hund\r\nbellt\r\n"));
    EXPECT_EQ(workDirEntries(), listing);
}

// Practice uses pairs up; replacing the loaded file then asks first (No is the default and
// writes nothing), saying how many pairs the file would lack; after a save it asks no more.
TEST_F(Editor, ASaveAfterPracticeAsksBeforeTheFileLosesTheUsedUpPairs)
{
    const QString tiere = workDir.filePath(u"tiere.txt"_s);
    const QByteArray four =
            "Hund\r\nbellt\r\nKatze\r\nmiaut\r\nKuh\r\nmuht\r\nSchaf\r\nbl\xE4kt\r\n";
    putFile(tiere, four);
    click(button(editor(), u"Abbruch mit Laden"_s));
    expectCountMessage(4, u"TIERE.TXT"_s);
    control<FileListBox>(main(), u"Datei1"_s)
            ->setCurrentRow(int(
                    control<FileListBox>(main(), u"Datei1"_s)->texts().indexOf(u"tiere.txt"_s)));
    const auto saveAsTiere = [this](const QString &question, BoxAnswer pressed) {
        openEditor();
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, u"tiere.txt"_s,
                            u"tiere.txt"_s);
        if (!question.isEmpty())
            dialogs.expectMessage(question + u"\rTrotzdem speichern?\r"_s, u"Datei speichern"_s,
                                  BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault,
                                  pressed);
        if (pressed == BoxAnswer::Yes)
            dialogs.expectMessage(u"Die Datei tiere.txt wurde gespeichert.\r"_s,
                                  u"Datei sichern"_s);
        click(button(editor(), u"Listen speichern"_s));
        click(button(editor(), u"Abbruch mit Laden"_s));
    };
    answerRightByKeyboard();
    saveAsTiere(
            u"Beim Üben wurde 1 Paar aus Frage und Antwort verbraucht. Es steht nicht mehr in der Liste und fehlt dann in der Datei „tiere.txt“."_s,
            BoxAnswer::No);
    EXPECT_EQ(fileBytes(tiere), four);
    answerRightByKeyboard();
    saveAsTiere(
            u"Beim Üben wurden 2 Paare aus Frage und Antwort verbraucht. Sie stehen nicht mehr in der Liste und fehlen dann in der Datei „tiere.txt“."_s,
            BoxAnswer::Yes);
    EXPECT_EQ(fileBytes(tiere), "Kuh\r\nmuht\r\nSchaf\r\nbl\xE4kt\r\n");
    saveAsTiere({}, BoxAnswer::Yes);
}

// The standard file is the marked file in capitals until "X" clears it; "Abbruch" writes the
// settings, even where it failed before, and goes back to the standard questions.
TEST_F(Editor, AbbruchWritesTheSettingsAndReturnsToTheStandardQuestions)
{
    click(control<QPushButton>(editor(), u"Befehl1"_s));
    control<FileListBox>(editor(), u"Datei1"_s)->setCurrentRow(0);
    click(control<QLabel>(editor(), u"Bezeichnung4"_s));
    control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(1);
    control<CheckBox>(editor(), u"Kontroll2"_s)->setValue(0);
    setCatalogue({u"Kuh"_s}, {u"muht"_s});
    ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ZELMERK.INI"_s));
    dialogs.expectMessage(u"Die Einstellungen konnten nicht gespeichert werden.\r"
                          u"„ZELMERK.INI“ ist ein Ordner und keine Datei.\r"_s,
                          u"Einstellungen"_s);
    click(button(editor(), u"Abbruch"_s));
    ASSERT_TRUE(QDir(workDir.filePath(u"ZELMERK.INI"_s)).removeRecursively());
    openEditor();
    click(button(editor(), u"Abbruch"_s));
    EXPECT_EQ(fileBytes(workDir.filePath(u"ZELMERK.INI"_s)),
              settingsBytes("TIERE.TXT", " 1 ", " 0 "));
    EXPECT_TRUE(main().isVisible() && !editor().isVisible());
    EXPECT_EQ(question(), u"Wie viele Windstärken gibt es?"_s);
}

// "Abbruch mit Laden" keeps a loaded catalogue with its alphabetical choices and writes
// nothing; closing the frame after a deletion builds a new practice set without that answer.
TEST_F(Editor, AbbruchMitLadenAndTheFrameKeepTheCatalogue)
{
    QByteArray reversed; // "Frage i" / "Antwort 11-i": file order and alphabetical order differ
    for (int i = 0; i < 12; ++i)
        reversed += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(11 - i)
                + "\r\n";
    putFile(catalogues.filePath(u"zwoelf.txt"_s), reversed);
    expectCountMessage(12, u"ZWOELF.TXT"_s);
    loadInEditor(catalogues.path(), u"zwoelf.txt"_s);
    click(button(editor(), u"Abbruch mit Laden"_s));
    EXPECT_EQ(choices().first() + u", "_s + choices().last(), u"Antwort 10, Antwort 9"_s);
    answerRightByKeyboard();
    openEditor();
    control<ListBox>(editor(), u"Liste1"_s)->setCurrentRow(0);
    click(button(editor(), u"Zeile löschen"_s));
    editor().close();
    EXPECT_TRUE(main().isVisible() && !editor().isVisible());
    EXPECT_FALSE(choices().contains(u"Antwort 10"_s));
    EXPECT_EQ(question(), u"Frage 2"_s);
    EXPECT_EQ(workDirEntries(), QStringList({u"ORDNER.TXT"_s, u"tiere.txt"_s}));
}

} // namespace
