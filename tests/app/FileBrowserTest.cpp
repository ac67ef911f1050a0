// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser on a folder of catalogue files, including files nobody meant as
// a catalogue: nothing blocks, nothing crashes, and a file that cannot be read says why.
#include "session/FilePanel.h"
#include "support/ProgramFixture.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/HangGuard.h"
#include "catalogue/HostileBytes.h"
#include "platform/CheckBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/Shape.h"
#include "platform/Twips.h"

using namespace Qt::StringLiterals;

namespace {

const QString plainTitle = u"Z E L - M e r k b o l d"_s;

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
    // Opens the browser and clicks the file, as a user would.
    void clickFile(const QString &name)
    {
        if (!main().fileBrowser->isVisible())
            click(main().fileMenuButton);
        clickRow(*main().fileList, int(main().fileList->texts().indexOf(name)));
    }
};

// `order`, where given, is the choice list as the random source arranges it: 0, 0, 0.9 and 0.5
// put the answers at rows 0, 0, 2 of 3 and 2 of 4.
struct LoadCase
{
    int pairs;
    const char16_t *fileName;
    int choiceCount;
    QStringList order;
};

class LoadingAFile : public FileBrowser, public ::testing::WithParamInterface<LoadCase>
{ };

TEST_P(LoadingAFile, ReplacesTheCatalogueAndStartsAPracticeSet)
{
    const LoadCase &load = GetParam();
    const QString fileName = QString::fromUtf16(load.fileName);
    putCatalogue(fileName, numberedCatalogue(load.pairs));
    random = SequenceRandom({0.0, 0.0, 0.9, 0.5});
    // A quiz under way: all of this goes back to its start.
    main().rightInSetLabel->setText(u"1"_s);
    main().browsePositionLabel->setText(u"4"_s);
    main().wrongCountLabel->setText(u"3"_s);
    main().rightCountLabel->setText(u"2"_s);
    main().progressBar->setWidthTwips(2000);

    expectCountMessage(load.pairs, fileName.toUpper());
    showCatalogues();
    clickFile(fileName);

    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, load.pairs - 1));
    EXPECT_EQ(catalogueAnswers(), numbered(u"Antwort "_s, 0, load.pairs - 1));
    EXPECT_EQ(sortedChoices(), numbered(u"Antwort "_s, 0, load.choiceCount - 1));
    EXPECT_TRUE(load.order.isEmpty() || choices() == load.order)
            << choices().join(u", "_s).toStdString();
    EXPECT_EQ(random.reseeds, 0);
    EXPECT_EQ(counters(),
              (QStringList{u"0"_s, QString::number(load.choiceCount - 1), u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_DOUBLE_EQ(main().progressBar->widthTwips(), 75);
    EXPECT_EQ(main().windowTitle(), plainTitle + u"  ( "_s + fileName + u" )"_s);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), main().choiceList->text(0));
    EXPECT_EQ(listSelections(), std::vector<int>({0, 0, 0}));
    EXPECT_FALSE(main().fileBrowser->isVisible());
    EXPECT_EQ(main().workModeLabel->text(), u"Quizmodus"_s);
}

// 40 000 pairs lie beyond the 16-bit row numbers of old.
INSTANTIATE_TEST_SUITE_P(QuestionCountTen, LoadingAFile,
                         ::testing::Values(LoadCase{30, u"Fragen30.txt", 10, {}},
                                           LoadCase{40000, u"GROSS.TXT", 10, {}},
                                           LoadCase{4,
                                                    u"vier.TXT",
                                                    4,
                                                    {u"Antwort 1"_s, u"Antwort 0"_s, u"Antwort 3"_s,
                                                     u"Antwort 2"_s}}));

TEST_F(FileBrowser, AUsersClickOnTheSelectedFileLoadsItAgainARemovedSelectionNothing)
{
    putCatalogue(u"ZWEI.TXT"_s, numberedCatalogue(2));
    expectCountMessage(2, u"ZWEI.TXT"_s);
    showCatalogues();
    clickFile(u"ZWEI.TXT"_s);
    setCatalogue({}, {});
    expectCountMessage(2, u"ZWEI.TXT"_s);
    clickFile(u"ZWEI.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, 1));
    main().fileList->setListIndex(-1);
    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, 1));
}

TEST_F(FileBrowser, OnlyWhatLeadsToARegularFileIsOffered)
{
    putCatalogue(u"GUT.TXT"_s, "Frage\r\nAntwort\r\n");
    makeLink(catalogues.filePath(u"GUT.TXT"_s), catalogues.filePath(u"ZEIGER.TXT"_s));
    makeFifo(catalogues.filePath(u"ROHR.TXT"_s));
    makeLink(catalogues.filePath(u"ROHR.TXT"_s), catalogues.filePath(u"ROHRLINK.TXT"_s));
    makeLink(u"/dev/null"_s, catalogues.filePath(u"NULL.TXT"_s));
    makeLink(catalogues.filePath(u"weg"_s), catalogues.filePath(u"WEG.TXT"_s));
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"ORDNER.TXT"_s));
    const HangGuard guard("listing a folder with a FIFO", std::chrono::seconds(20));

    showCatalogues();

    EXPECT_EQ(main().fileList->texts(), QStringList({u"GUT.TXT"_s, u"ZEIGER.TXT"_s}));
    EXPECT_EQ(catalogueQuestions().size(), 10); // nothing was loaded
}

// Whatever a file has become since it was listed (`change` puts it in the place of the listed
// one), the browser shows what the reader makes of it, no more, no less, and the count says how
// many pairs that was; a load without a pair leaves everything empty. A file that cannot be read
// says why: `reason`, %1 standing for the path.
struct ContentCase
{
    const char *name;
    void (*change)(const QString &path);
    const char16_t *reason = nullptr;
};

class FileContent : public FileBrowser, public ::testing::WithParamInterface<ContentCase>
{ };

TEST_P(FileContent, LoadsWhatTheReaderAccepts)
{
    const QString path = putCatalogue(u"FEIND.TXT"_s, "alt\r\nalt\r\n");
    showCatalogues();
    ASSERT_TRUE(QFile::remove(path));
    GetParam().change(path);
    ASSERT_FALSE(HasFatalFailure());
    const HangGuard guard(std::string("loading ") + GetParam().name, std::chrono::seconds(20));
    const CatalogueReadResult expected = readCatalogueFile(path);
    const qsizetype pairs = expected.pairs.questions.size();
    if (GetParam().reason) {
        const QString reason = QString::fromUtf16(GetParam().reason).arg(path);
        EXPECT_EQ(expected.error, reason);
        dialogs.expectMessage(reason + u'\r', u"Dateifehler"_s);
    }
    expectCountMessage(int(pairs), u"FEIND.TXT"_s);

    clickFile(u"FEIND.TXT"_s);

    EXPECT_EQ(catalogueQuestions(), expected.pairs.questions);
    EXPECT_EQ(catalogueAnswers(), expected.pairs.answers);
    const qsizetype offered = std::min<qsizetype>(pairs, 10);
    EXPECT_EQ(choices().size(), offered);
    EXPECT_EQ(main().lastChoiceRowLabel->text(), QString::number(offered - 1));
    const int row = pairs > 0 ? 0 : -1;
    EXPECT_EQ(listSelections(), std::vector<int>({row, row, row}));
    EXPECT_EQ(question(), expected.pairs.questions.value(0));
    EXPECT_EQ(answer(), choices().value(0));
    EXPECT_EQ(main().windowTitle(),
              expected.outcome == ReadOutcome::Complete ? plainTitle + u"  ( FEIND.TXT )"_s
                                                        : plainTitle);
}

const char16_t *const notRegular = u"„%1“ ist keine gewöhnliche Datei.";

INSTANTIATE_TEST_SUITE_P(
        Files, FileContent,
        ::testing::Values(
                ContentCase{"EmptyFile", [](const QString &path) { putFile(path, ""); }},
                ContentCase{"EveryRecordHalfEmpty",
                            [](const QString &path) { putFile(path, "F1\r\n\r\n\r\nA2\r\n"); }},
                ContentCase{"AnotherCatalogue",
                            [](const QString &path) {
                                putFile(path, "neu\r\nNeu\r\nzwei\r\nZwei\r\n");
                            }},
                ContentCase{"EndingInsideARecord",
                            [](const QString &path) {
                                putFile(path, "F1\r\nA1\r\nF2\r\nA2\r\nF3\r\n");
                            }},
                ContentCase{"NulBytes",
                            [](const QString &path) {
                                putFile(path, HostileBytes::of("Fr\0age\r\n\0Antwort\r\n"));
                            }},
                ContentCase{"AQuestionFillingTheLargestFile",
                            [](const QString &path) {
                                putFile(path,
                                        HostileBytes::line(maxCatalogueBytes - 11)
                                                + "\r\nAntwort\r\n");
                            }},
                ContentCase{"RandomBytes",
                            [](const QString &path) {
                                putFile(path, HostileBytes::random(4711, 64 * 1024));
                            }},
                ContentCase{"RandomBytesWithAByteOrderMark",
                            [](const QString &path) {
                                putFile(path,
                                        "\xEF\xBB\xBF" + HostileBytes::random(815, 64 * 1024));
                            }},
                ContentCase{"Deleted", [](const QString &) {},
                            u"Die Datei „%1“ wurde nicht gefunden."},
                ContentCase{"ReplacedByAFolder",
                            [](const QString &path) { ASSERT_TRUE(QDir().mkdir(path)); },
                            u"„%1“ ist ein Ordner und keine Datei."},
                ContentCase{"ReplacedByAFifo", [](const QString &path) { makeFifo(path); },
                            notRegular},
                ContentCase{"ReplacedByALinkToAFifo",
                            [](const QString &path) {
                                makeFifo(path + u".rohr"_s);
                                makeLink(path + u".rohr"_s, path);
                            },
                            notRegular},
                ContentCase{"ReplacedByALinkToACharacterDevice",
                            [](const QString &path) { makeLink(u"/dev/null"_s, path); },
                            notRegular},
                ContentCase{
                        "ReplacedByAFileOver14MiB",
                        [](const QString &path) {
                            QFile file(path);
                            ASSERT_TRUE(file.open(QIODevice::WriteOnly)
                                        && file.resize(maxCatalogueBytes + 1)); // sparse
                        },
                        u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 14 MiB)."}),
        [](const auto &info) { return std::string(info.param.name); });

// 1, the default without a settings file, shows the file list alone; 2 (greyed) leaves the
// lists as they were.
TEST_F(FileBrowser, TheEditorsSwitchDecidesWhichListsShow)
{
    const struct
    {
        int value;
        bool allLists;
        QRect files;
    } steps[] = {{1, false, Twips::rect(120, 120, 4095, 4905)},
                 {0, true, Twips::rect(120, 2400, 4095, 2760)},
                 {2, true, Twips::rect(120, 2400, 4095, 2760)}};
    for (const auto &step : steps) {
        editor().hideDrives->setValue(step.value);
        click(main().fileMenuButton);
        EXPECT_TRUE(main().fileBrowser->isVisible());
        EXPECT_EQ(main().driveList->isVisible(), step.allLists) << step.value;
        EXPECT_EQ(main().folderList->isVisible(), step.allLists) << step.value;
        EXPECT_EQ(main().fileList->geometry(), step.files) << step.value;
        click(main().fileMenuButton);
        EXPECT_FALSE(main().fileBrowser->isVisible());
    }
}

TEST_F(FileBrowser, TheNoticeHidesAndOpensTheBrowser)
{
    ASSERT_TRUE(main().standardNotice->isVisible());
    click(main().standardNotice);
    EXPECT_FALSE(main().standardNotice->isVisible());
    EXPECT_TRUE(main().fileBrowser->isVisible());
}

TEST_F(FileBrowser, ADriveShowsItsFolderAndTheCataloguesThere)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(1));
    putCatalogue(u"notizen.md"_s, "x");
    DriveListBox *drives = main().driveList;
    drives->setDrives({{drives->drive(), {}}, {catalogues.path(), u"STICK"_s}});
    drives->setCurrentIndex(drives->findData(catalogues.path())); // as the user picks it
    EXPECT_EQ(main().folderList->path(), catalogues.path());
    EXPECT_EQ(main().fileList->path(), catalogues.path());
    EXPECT_EQ(main().fileList->texts(), QStringList({u"tiere.txt"_s}));
}

TEST_F(FileBrowser, ADriveThatCannotBeEnteredIsReportedAndLeft)
{
    DriveListBox *drives = main().driveList;
    const QString home = drives->drive();
    const QString folderBefore = main().folderList->path();
    const QString gone = catalogues.filePath(u"abgemeldet"_s);
    drives->setDrives({{home, {}}, {gone, u"CD"_s}});
    dialogs.expectMessage(u"Laufwerk ist nicht bereit!\r"_s, u"Laufwerkfehler"_s);
    drives->setCurrentIndex(drives->findData(gone));
    EXPECT_EQ(drives->drive(), home);
    EXPECT_EQ(drives->currentData().toString(), home);
    EXPECT_EQ(main().folderList->path(), folderBefore);
    EXPECT_EQ(main().fileList->path(), folderBefore);
}

} // namespace
