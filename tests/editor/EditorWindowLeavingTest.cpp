// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's two ways out and its window frame, and the standard file they write.
#include "support/ProgramFixture.h"

#include <QPushButton>

namespace {

// The editor shown after start-up, beside a catalogue in the working folder.
class Leaving : public ProgramFixture
{
protected:
    void prepareWorkDir() override
    {
        putFile(workDir.filePath(u"tiere.txt"_s), "Hund\r\nbellt\r\n");
    }
    void SetUp() override
    {
        ProgramFixture::SetUp();
        runStartupTimer();
    }
};

// The standard file is the marked file in capitals until "X" clears it; "Abbruch" writes the
// settings, even where it failed before, and goes back to the standard questions.
TEST_F(Leaving, AbbruchWritesTheSettingsAndReturnsToTheStandardQuestions)
{
    openEditor();
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
// nothing; a double-click beside the rows of a folder without catalogues loads nothing; closing
// the frame after a deletion builds a new practice set without that answer. Back from the
// editor, learn mode starts again at the first pair, question and answer alike.
TEST_F(Leaving, AbbruchMitLadenAndTheFrameKeepTheCatalogue)
{
    QByteArray reversed; // "Frage i" / "Antwort 11-i": file order and alphabetical order differ
    for (int i = 0; i < 12; ++i)
        reversed += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(11 - i)
                + "\r\n";
    putFile(catalogues.filePath(u"zwoelf.txt"_s), reversed);
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"leer"_s));
    openEditor();
    expectCountMessage(12, u"ZWOELF.TXT"_s);
    loadInEditor(catalogues.path(), u"zwoelf.txt"_s);
    auto *files = control<FileListBox>(editor(), u"Datei1"_s);
    click(button(editor(), u"Dateimenü"_s));
    files->setPath(QDir(catalogues.path()).filePath(u"leer"_s));
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control<FilePanel>(editor(), u"Bild13"_s)->isVisible());
    click(button(editor(), u"Abbruch mit Laden"_s));
    EXPECT_EQ(choices().first() + u", "_s + choices().last(), u"Antwort 10, Antwort 9"_s);
    answerRightByKeyboard();
    openEditor();
    editorList(u"Liste1"_s).setCurrentRow(0);
    click(button(editor(), u"Zeile löschen"_s));
    editor().close();
    EXPECT_TRUE(main().isVisible() && !editor().isVisible());
    EXPECT_FALSE(choices().contains(u"Antwort 10"_s));
    EXPECT_EQ(question(), u"Frage 2"_s);
    EXPECT_EQ(workDirEntries(), QStringList({u"tiere.txt"_s}));
    press(Qt::Key_Insert);
    press(Qt::Key_Right);
    ASSERT_EQ(question(), u"Frage 3"_s);
    openEditor();
    click(button(editor(), u"Abbruch mit Laden"_s));
    EXPECT_EQ(question() + u" / "_s + answer(), u"Frage 2 / Antwort 9"_s);
}

} // namespace
