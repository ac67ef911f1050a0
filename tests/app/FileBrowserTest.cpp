#include "support/ProgramFixture.h"

#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/Drives.h"
#include "platform/FileListBox.h"
#include "platform/Shape.h"
#include "platform/Twips.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace {

const QString plainTitle = u"Z E L - M e r k b o l d"_s;

QByteArray numberedCatalogue(int pairs)
{
    QByteArray bytes;
    for (int i = 0; i < pairs; ++i)
        bytes += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(i) + "\r\n";
    return bytes;
}

QStringList numbered(const QString &prefix, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << prefix + QString::number(i);
    return texts;
}

QString countMessage(int pairs)
{
    return u"Datensätze dieser Datei:   %1\rProgrammvoreinstellung:   10\r"_s.arg(pairs);
}

// The catalogue files lie in a folder of their own, which the test opens in the browser.
class FileBrowser : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogues.isValid());
        ProgramFixture::SetUp();
        runStartupTimer();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }

    QString putCatalogue(const QString &name, const QByteArray &bytes)
    {
        const QString path = catalogues.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The browser's folder list goes to the folder of catalogues; the file list follows.
    void showCatalogues() { main().Verzeichnis1->setPath(catalogues.path()); }

    // Opens the browser and clicks the file, as a user would.
    void clickFile(const QString &name)
    {
        if (!main().Bild16->isVisible())
            click(main().Bild12);
        FileListBox *files = main().Datei1;
        const int row = int(files->texts().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        const QRect place = files->visualRect(files->model()->index(row, 0));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, place.center());
    }

    QString caption(QLabel *label) { return label->text(); }

    QTemporaryDir catalogues;
};

struct LoadCase
{
    int pairs;
    const char16_t *fileName;
    int choiceCount;
    const char16_t *lastChoiceRow;
};

void PrintTo(const LoadCase &load, std::ostream *out)
{
    *out << load.pairs << " pairs";
}

class LoadingAFile : public FileBrowser, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(LoadingAFile, ReplacesTheCatalogueAndStartsAPracticeSet)
{
    const LoadCase &load = GetParam();
    const QString fileName = QString::fromUtf16(load.fileName);
    putCatalogue(fileName, numberedCatalogue(load.pairs));
    // A quiz under way: all of this goes back to its start.
    main().Bezeichnung3->setText(u"1"_s);
    main().Bezeichnung5->setText(u"4"_s);
    main().Bezeichnung8->setText(u"3"_s);
    main().Bezeichnung9->setText(u"2"_s);
    main().Figur1->setWidthTwips(2000);

    dialogs.expectMessage(countMessage(load.pairs), fileName.toUpper());
    showCatalogues();
    clickFile(fileName);

    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, load.pairs));
    EXPECT_EQ(catalogueAnswers(), numbered(u"Antwort "_s, load.pairs));
    QStringList offered = choices();
    offered.sort();
    EXPECT_EQ(offered, numbered(u"Antwort "_s, load.choiceCount));
    EXPECT_EQ(caption(main().Bezeichnung4), QString::fromUtf16(load.lastChoiceRow));
    for (QLabel *counter : {main().Bezeichnung3, main().Bezeichnung5, main().Bezeichnung8, main().Bezeichnung9})
        EXPECT_EQ(caption(counter), u"0"_s);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75);
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( "_s + fileName + u" )"_s);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), main().Liste2->text(0));
    EXPECT_EQ(editor().Liste1->listIndex(), 0);
    EXPECT_EQ(editor().Liste2->listIndex(), 0);
    EXPECT_EQ(main().Liste2->listIndex(), 0);
    EXPECT_FALSE(main().Bild16->isVisible());
    EXPECT_EQ(caption(main().Bezeichnung7), u"Quizmodus"_s);
}

INSTANTIATE_TEST_SUITE_P(QuestionCountTen, LoadingAFile, ::testing::Values(
    LoadCase{30, u"Fragen30.txt", 10, u"9"},
    LoadCase{4, u"vier.TXT", 4, u"3"}));

TEST_F(FileBrowser, EachAnswerGoesToItsRandomRowInTheSortedChoiceList)
{
    putCatalogue(u"VIER.TXT"_s, numberedCatalogue(4));
    random = SequenceRandom({0.0, 0.0, 0.9, 0.5}); // rows 0, 0, 2 of 3, 2 of 4
    dialogs.expectMessage(countMessage(4), u"VIER.TXT"_s);
    showCatalogues();
    clickFile(u"VIER.TXT"_s);
    EXPECT_EQ(choices(), QStringList({u"Antwort 1"_s, u"Antwort 0"_s, u"Antwort 3"_s, u"Antwort 2"_s}));
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(FileBrowser, AFileEndingInsideARecordKeepsItsPairsAndLosesTheName)
{
    putCatalogue(u"UNGERADE.TXT"_s, "F1\r\nA1\r\nF2\r\nA2\r\nF3\r\n");
    dialogs.expectMessage(countMessage(2), u"UNGERADE.TXT"_s);
    showCatalogues();
    clickFile(u"UNGERADE.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), QStringList({u"F1"_s, u"F2"_s}));
    EXPECT_EQ(main().windowTitle(), plainTitle);
    EXPECT_EQ(question(), u"F1"_s);
}

TEST_F(FileBrowser, AUsersClickOnTheSelectedFileLoadsItAgain)
{
    putCatalogue(u"ZWEI.TXT"_s, numberedCatalogue(2));
    dialogs.expectMessage(countMessage(2), u"ZWEI.TXT"_s);
    showCatalogues();
    clickFile(u"ZWEI.TXT"_s);
    editor().Liste1->removeText(0);
    editor().Liste2->removeText(0);
    dialogs.expectMessage(countMessage(2), u"ZWEI.TXT"_s);
    clickFile(u"ZWEI.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 2));
}

enum class Trouble { None, Deleted, Folder };

struct EmptyLoadCase
{
    const char *name;
    QByteArray bytes;
    Trouble trouble;
};

void PrintTo(const EmptyLoadCase &load, std::ostream *out)
{
    *out << load.name;
}

class ALoadWithoutPairs : public FileBrowser, public ::testing::WithParamInterface<EmptyLoadCase>
{
};

TEST_P(ALoadWithoutPairs, LeavesEverythingEmptyAndReportsZero)
{
    const EmptyLoadCase &load = GetParam();
    const QString name = u"LEER.TXT"_s;
    const QString path = putCatalogue(name, load.bytes);
    showCatalogues();
    if (load.trouble != Trouble::None) {
        ASSERT_TRUE(QFile::remove(path)); // gone after the list was read
    }
    if (load.trouble == Trouble::Folder) {
        ASSERT_TRUE(QDir(catalogues.path()).mkdir(name));
    }
    if (load.trouble == Trouble::Deleted)
        dialogs.expectMessage(u"Die Datei „%1“ wurde nicht gefunden.\r"_s.arg(path), u"Dateifehler"_s);
    if (load.trouble == Trouble::Folder)
        dialogs.expectMessage(u"„%1“ ist ein Ordner und keine Datei.\r"_s.arg(path), u"Dateifehler"_s);
    dialogs.expectMessage(countMessage(0), name);

    clickFile(name);

    EXPECT_TRUE(catalogueQuestions().isEmpty());
    EXPECT_TRUE(catalogueAnswers().isEmpty());
    EXPECT_TRUE(choices().isEmpty());
    EXPECT_EQ(editor().Liste1->listIndex(), -1);
    EXPECT_EQ(editor().Liste2->listIndex(), -1);
    EXPECT_EQ(main().Liste2->listIndex(), -1);
    EXPECT_EQ(question(), QString());
    EXPECT_EQ(answer(), QString());
    EXPECT_EQ(caption(main().Bezeichnung4), u"-1"_s);
    EXPECT_EQ(main().windowTitle(),
              load.trouble == Trouble::None ? u"Z E L - M e r k b o l d  ( LEER.TXT )"_s : plainTitle);
    // Paging over nothing shows nothing.
    press(Qt::Key_Right);
    press(Qt::Key_Left);
    EXPECT_EQ(answer(), QString());
}

INSTANTIATE_TEST_SUITE_P(Files, ALoadWithoutPairs, ::testing::Values(
    EmptyLoadCase{"EmptyFile", "", Trouble::None},
    EmptyLoadCase{"EveryRecordHalfEmpty", "F1\r\n\r\n\r\nA2\r\n", Trouble::None},
    EmptyLoadCase{"DeletedAfterListing", "F1\r\nA1\r\n", Trouble::Deleted},
    EmptyLoadCase{"FolderNamedLikeAFile", "F1\r\nA1\r\n", Trouble::Folder}),
    [](const ::testing::TestParamInfo<EmptyLoadCase> &info) { return std::string(info.param.name); });

TEST_F(FileBrowser, RemovingTheSelectionFromCodeLoadsNothing)
{
    putCatalogue(u"ZWEI.TXT"_s, numberedCatalogue(2));
    dialogs.expectMessage(countMessage(2), u"ZWEI.TXT"_s);
    showCatalogues();
    clickFile(u"ZWEI.TXT"_s);
    main().Datei1->setListIndex(-1);
    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 2));
}

TEST_F(FileBrowser, AFullSizeCatalogueLoadsWholeAndQuickly)
{
    const int pairs = 40000; // beyond the 16-bit row numbers of old
    putCatalogue(u"GROSS.TXT"_s, numberedCatalogue(pairs));
    dialogs.expectMessage(countMessage(pairs), u"GROSS.TXT"_s);
    QElapsedTimer clock;
    clock.start();
    showCatalogues();
    clickFile(u"GROSS.TXT"_s);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(editor().Liste1->count(), pairs);
    EXPECT_EQ(editor().Liste2->text(pairs - 1), u"Antwort 39999"_s);
    EXPECT_EQ(main().Liste2->count(), 10);
}

TEST_F(FileBrowser, TheEditorsSwitchDecidesWhichListsShow)
{
    ASSERT_EQ(editor().Kontroll2->value(), 1); // the default without a settings file
    click(main().Bild12);
    EXPECT_TRUE(main().Bild16->isVisible());
    EXPECT_FALSE(main().Laufwerk1->isVisible());
    EXPECT_FALSE(main().Verzeichnis1->isVisible());
    EXPECT_EQ(main().Datei1->geometry(), Twips::rect(120, 120, 4095, 4905));
    click(main().Bild12);
    EXPECT_FALSE(main().Bild16->isVisible());

    editor().Kontroll2->setValue(0);
    click(main().Bild12);
    EXPECT_TRUE(main().Laufwerk1->isVisible());
    EXPECT_TRUE(main().Verzeichnis1->isVisible());
    EXPECT_EQ(main().Datei1->geometry(), Twips::rect(120, 2400, 4095, 2760));
    click(main().Bild12);

    editor().Kontroll2->setValue(2); // greyed: the lists stay as they were
    click(main().Bild12);
    EXPECT_TRUE(main().Laufwerk1->isVisible());
    EXPECT_EQ(main().Datei1->geometry(), Twips::rect(120, 2400, 4095, 2760));
}

TEST_F(FileBrowser, TheNoticeHidesAndOpensTheBrowser)
{
    ASSERT_TRUE(main().Bezeichnung10->isVisible());
    QTest::mouseClick(main().Bezeichnung10, Qt::LeftButton);
    EXPECT_FALSE(main().Bezeichnung10->isVisible());
    EXPECT_TRUE(main().Bild16->isVisible());
}

TEST_F(FileBrowser, ADriveShowsItsFolderAndTheCataloguesThere)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(1));
    putCatalogue(u"notizen.md"_s, "x");
    DriveListBox *drives = main().Laufwerk1;
    const QString home = drives->drive();
    drives->setDrives({{home, {}}, {catalogues.path(), u"STICK"_s}});
    drives->setCurrentIndex(drives->findData(catalogues.path())); // as the user picks it
    EXPECT_EQ(main().Verzeichnis1->path(), catalogues.path());
    EXPECT_EQ(main().Datei1->path(), catalogues.path());
    EXPECT_EQ(main().Datei1->texts(), QStringList({u"tiere.txt"_s}));
}

TEST_F(FileBrowser, ADriveThatCannotBeEnteredIsReportedAndLeft)
{
    DriveListBox *drives = main().Laufwerk1;
    const QString home = drives->drive();
    const QString folderBefore = main().Verzeichnis1->path();
    const QString gone = catalogues.filePath(u"abgemeldet"_s);
    drives->setDrives({{home, {}}, {gone, u"CD"_s}});
    dialogs.expectMessage(u"Laufwerk ist nicht bereit!\r"_s, u"Laufwerkfehler"_s);
    drives->setCurrentIndex(drives->findData(gone));
    EXPECT_EQ(drives->drive(), home);
    EXPECT_EQ(drives->currentData().toString(), home);
    EXPECT_EQ(main().Verzeichnis1->path(), folderBefore);
    EXPECT_EQ(main().Datei1->path(), folderBefore);
}

} // namespace
