// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's saves: a catalogue typed in, saved and loaded back; saves that fail; a save that
// would lose the pairs practice used up.
#include "support/ProgramFixture.h"

namespace {

// The editor shown after start-up (no settings file, so nothing was loaded); the working folder
// holds a catalogue and a folder named like one.
class Saving : public ProgramFixture
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
    void expectName(const QString &proposed, const QString &typed)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed, typed);
    }
    void save() { click(button(editor(), u"Listen speichern"_s)); }
};

// Refused entries leave the catalogue alone; a pasted line break becomes a blank; a
// double-clicked pair fills both inputs, even far beyond Qt's default length limit; the choice list
// keeps the standard answers until the next practice set, which loading the saved file builds.
TEST_F(Saving, ACatalogueTypedInSavedAndLoadedBackIsTheSame)
{
    dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s, questionBox,
                          BoxAnswer::Yes);
    click(button(editor(), u"Neue Datei"_s));
    typePair(u"Wie heißt die Hauptstadt von Österreich?"_s, u"Wien"_s);
    input(u"Text1"_s)->insert(u"Größter\r\nPlanet?"_s);
    typePair(input(u"Text1"_s)->text(), u"Jupiter "_s);
    const QString longQuestion = u"Kuh"_s + QString(40000, u'?');
    typePair(longQuestion, u"muht"_s);
    dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);
    typePair(u"Kalb"_s, u"muht"_s);
    dialogs.expectMessage(u"Frage und Antwort ausfüllen!\r"_s, u"Dateifehler"_s);
    typePair(u"Kalb"_s, QString());
    clickRow(editorList(u"Liste2"_s), 2, true);
    EXPECT_EQ(input(u"Text1"_s)->text(), longQuestion);
    click(button(editor(), u"Zeile löschen"_s));

    expectName(QString(), u"RUNDE.TXT"_s);
    dialogs.expectMessage(u"Die Datei RUNDE.TXT wurde gespeichert.\r"_s, u"Datei sichern"_s);
    save();
    EXPECT_EQ(fileBytes(workDir.filePath(u"RUNDE.TXT"_s)),
              "Wie hei\xDFt die Hauptstadt von \xD6sterreich?\r\nWien\r\nGr\xF6\xDFter "
              "Planet?\r\nJupiter \r\n");
    setCatalogue({}, {});
    expectCountMessage(2, u"RUNDE.TXT"_s);
    loadInEditor(workDir.path(), u"RUNDE.TXT"_s);
    EXPECT_EQ(choices(), QStringList({u"Jupiter "_s, u"Wien"_s}));
}

// A failed save says why, shows no confirmation, and leaves the disk as it was (the standard
// pairs need far more than a full disk takes); no name writes nothing; lists of unequal length
// are refused before the name is asked.
TEST_F(Saving, AFailedSaveSaysWhyAndChangesNothing)
{
    const QStringList listing = workDirEntries();
    const std::pair<QString, QString> failures[] = {
            {u"ORDNER.TXT"_s, u"„ORDNER.TXT“ ist ein Ordner und keine Datei."_s},
            {u"tiere.txt"_s,
             u"Die Datei „tiere.txt“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s}};
    for (const auto &[typed, reason] : failures) {
        expectName(QString(), typed);
        dialogs.expectMessage(u"Die Datei wurde nicht gespeichert.\r"_s + reason + u'\r',
                              u"Dateifehler"_s);
        onAFullDisk([this] { save(); });
    }
    expectName(QString(), QString());
    save();
    setCatalogue({u"Kuh"_s, u"Hund"_s}, {u"muht"_s});
    dialogs.expectMessage(u"Verschieden viele Fragen und Antworten!\r"_s, u"Dateifehler"_s);
    save();
    EXPECT_EQ(fileBytes(workDir.filePath(u"tiere.txt"_s)), QByteArray("Hund\r\nbellt\r\n"));
    EXPECT_EQ(workDirEntries(), listing);
}

// Practice uses pairs up; replacing the loaded file then asks first (No is the default and
// writes nothing), saying how many pairs the file would lack; after a save it asks no more.
TEST_F(Saving, ASaveAfterPracticeAsksBeforeTheFileLosesTheUsedUpPairs)
{
    const QString tiere = workDir.filePath(u"tiere.txt"_s);
    const QByteArray four =
            "Hund\r\nbellt\r\nKatze\r\nmiaut\r\nKuh\r\nmuht\r\nSchaf\r\nbl\xE4kt\r\n";
    putFile(tiere, four);
    click(button(editor(), u"Abbruch mit Laden"_s));
    expectCountMessage(4, u"TIERE.TXT"_s);
    FilePanel &files = program->quizFilePanel();
    files.selectFile(int(files.fileNames().indexOf(u"tiere.txt"_s)));
    const auto saveAsTiere = [this](const QString &question, BoxAnswer pressed) {
        openEditor();
        expectName(u"tiere.txt"_s, u"tiere.txt"_s);
        if (!question.isEmpty())
            dialogs.expectMessage(question + u"\rTrotzdem speichern?\r"_s, u"Datei speichern"_s,
                                  questionBox, pressed);
        if (pressed == BoxAnswer::Yes)
            dialogs.expectMessage(u"Die Datei tiere.txt wurde gespeichert.\r"_s,
                                  u"Datei sichern"_s);
        save();
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

} // namespace
