// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser on a folder of catalogue files, including files nobody meant as
// a catalogue: nothing blocks, nothing crashes, and a file that cannot be read says why.
#include "support/ProgramFixture.h"

#include "catalogue/CatalogueFile.h"
#include "platform/DriveListBox.h"

namespace {

class FileBrowser : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        runStartupTimer();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }

public:
    FileListBox *files() { return control<FileListBox>(main(), u"Datei1"_s); }
    bool browserShown() { return control<FilePanel>(main(), u"Bild16"_s)->isVisible(); }
    // Opens the browser and clicks the file, as a user would.
    void clickFile(const QString &name)
    {
        if (!browserShown())
            click(button(main(), u"Dateimenü"_s));
        clickRow(*files(), files()->texts().indexOf(name));
    }
};

// A quiz under way goes back to its start with the loaded file; the random source arranges
// the offered answers (0, 0, 0.9 and 0.5 put them at rows 0, 0, 2 of 3 and 2 of 4); a click on
// the selected file loads it again.
TEST_F(FileBrowser, ALoadedFileReplacesTheCatalogueAndStartsAPracticeSet)
{
    putFile(catalogues.filePath(u"vier.TXT"_s),
            "Frage 0\r\nAntwort 0\r\nFrage 1\r\nAntwort 1\r\nFrage 2\r\nAntwort 2\r\nFrage "
            "3\r\nAntwort 3\r\n");
    files()->setPath(catalogues.path());
    random = SequenceRandom({0.0, 0.0, 0.9, 0.5});
    answerRightByKeyboard();
    click(label(u"Bezeichnung10"_s)); // the notice hides and opens the browser
    for (int load = 0; load < 2; ++load) {
        expectCountMessage(4, u"VIER.TXT"_s);
        clickFile(u"vier.TXT"_s);
        EXPECT_EQ(catalogueAnswers(), numbered(u"Antwort "_s, 0, 3));
        EXPECT_EQ(choices(),
                  (QStringList{u"Antwort 1"_s, u"Antwort 0"_s, u"Antwort 3"_s, u"Antwort 2"_s}));
        EXPECT_EQ(counters(), (QStringList{u"0"_s, u"3"_s, u"0"_s, u"0"_s, u"0"_s}));
        EXPECT_DOUBLE_EQ(quiz().progress(), 0);
        EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( vier.TXT )"_s);
        EXPECT_EQ(question() + u" / "_s + answer(), u"Frage 0 / Antwort 1"_s);
        EXPECT_FALSE(browserShown());
    }
}

// Whatever a file has become since it was listed, the browser loads what the reader makes of
// it and says how many pairs that was; a file that cannot be read says why (%1 standing for the
// path); only a complete file names the title.
TEST_F(FileBrowser, LoadsWhatTheReaderMakesOfAListedFile)
{
    using Change = void (*)(const QString &path);
    // clang-format off
    const std::tuple<const char *, Change, const char16_t *> cases[] = {
        {"EndingInsideARecord", [](const QString &path) { putFile(path, "F1\r\nA1\r\nF2\r\n"); }, nullptr},
        {"Deleted", [](const QString &) {}, u"Die Datei „%1“ wurde nicht gefunden."},
        {"ReplacedByAFolder", [](const QString &path) { QDir().mkdir(path); }, u"„%1“ ist ein Ordner und keine Datei."},
        {"ReplacedByAFifo", [](const QString &path) { makeFifo(path); }, u"„%1“ ist keine gewöhnliche Datei."}};
    // clang-format on
    const QString path = catalogues.filePath(u"FEIND.TXT"_s);
    for (const auto &[name, change, reason] : cases) {
        SCOPED_TRACE(name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        putFile(path, "alt\r\nalt\r\n");
        files()->setPath(catalogues.path());
        QFile::remove(path);
        change(path);
        const CatalogueReadResult expected = readCatalogueFile(path);
        if (reason)
            dialogs.expectMessage(QString::fromUtf16(reason).arg(path) + u'\r', u"Dateifehler"_s);
        expectCountMessage(expected.pairs.questions.size(), u"FEIND.TXT"_s);
        clickFile(u"FEIND.TXT"_s);
        EXPECT_EQ(catalogueQuestions(), expected.pairs.questions);
        EXPECT_EQ(catalogueAnswers(), expected.pairs.answers);
        EXPECT_EQ(choices().size(), std::min<qsizetype>(expected.pairs.questions.size(), 10));
        EXPECT_EQ(main().windowTitle().endsWith(u"( FEIND.TXT )"_s),
                  expected.outcome == ReadOutcome::Complete);
    }
}

// Only what leads to a regular file is offered; "Laufwerke abblenden" (1, the default) shows the
// file list alone; a drive that cannot be entered is reported and left, another shows its
// folder and the catalogues there.
TEST_F(FileBrowser, OnlyRegularFilesAreOfferedAndTheDriveListFollowsTheDrive)
{
    putFile(catalogues.filePath(u"GUT.TXT"_s), "Frage\r\nAntwort\r\n");
    putFile(catalogues.filePath(u"notizen.md"_s), "x");
    QFile::link(catalogues.filePath(u"GUT.TXT"_s), catalogues.filePath(u"ZEIGER.TXT"_s));
    makeFifo(catalogues.filePath(u"ROHR.TXT"_s));
    QFile::link(catalogues.filePath(u"ROHR.TXT"_s), catalogues.filePath(u"ROHRLINK.TXT"_s));
    QFile::link(u"/dev/null"_s, catalogues.filePath(u"NULL.TXT"_s));
    QFile::link(catalogues.filePath(u"weg"_s), catalogues.filePath(u"WEG.TXT"_s));
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"ORDNER.TXT"_s));
    DriveListBox *drives = control<DriveListBox>(main(), u"Laufwerk1"_s);
    click(button(main(), u"Dateimenü"_s));
    EXPECT_FALSE(drives->isVisible());
    click(button(main(), u"Dateimenü"_s));
    control<CheckBox>(editor(), u"Kontroll2"_s)->setValue(0);
    click(button(main(), u"Dateimenü"_s));
    EXPECT_TRUE(drives->isVisible() && control<DirListBox>(main(), u"Verzeichnis1"_s)->isVisible());

    const QString gone = catalogues.filePath(u"abgemeldet"_s);
    drives->setDrives({{drives->drive(), {}}, {catalogues.path(), u"STICK"_s}, {gone, u"CD"_s}});
    dialogs.expectMessage(u"Laufwerk ist nicht bereit!\r"_s, u"Laufwerkfehler"_s);
    drives->setCurrentIndex(drives->findData(gone)); // as the user picks it
    EXPECT_NE(drives->currentData().toString(), gone);
    drives->setCurrentIndex(drives->findData(catalogues.path()));
    EXPECT_EQ(control<DirListBox>(main(), u"Verzeichnis1"_s)->path(), catalogues.path());
    EXPECT_EQ(files()->texts(), QStringList({u"GUT.TXT"_s, u"ZEIGER.TXT"_s}));
    drives->setDrives({});
    EXPECT_EQ(drives->currentData().toString(), catalogues.path()); // the chosen drive stays
}

} // namespace
