#include "EditorFileFixture.h"
#include "support/FullDisk.h"

using namespace Qt::StringLiterals;

namespace {

// The working folder holds two catalogues; the editor's file list marks the first at start-up.
class EditorSaving : public EditorFileFixture
{
protected:
    void prepareWorkDir() override
    {
        writeWorkFile(u"TIERE.TXT"_s, oldBytes);
        writeWorkFile(u"ZAHLEN.TXT"_s, "eins\r\n1\r\nzwei\r\n2\r\n");
    }

    void setCatalogue(const QStringList &questions, const QStringList &answers)
    {
        editor().Liste1->setTexts(questions);
        editor().Liste2->setTexts(answers);
    }

    void expectSaved(const QString &proposed, const QString &typed)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed, typed);
        dialogs.expectMessage(u"Die Datei "_s + typed + u" wurde gespeichert.\r"_s, u"Datei sichern"_s);
    }

    QStringList workListing() const
    {
        return QDir(workDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QString selectedName(const FileListBox *files) { return files->text(files->listIndex()); }

    const QByteArray oldBytes = "Hund\r\nbellt\r\n";
};

TEST_F(EditorSaving, WritesTheCatalogueAndBothListsShowItKeepingTheirMarkedFiles)
{
    dialogs.expectMessage(u"Datensätze dieser Datei:   2\rProgrammvoreinstellung:   10\r"_s, u"ZAHLEN.TXT"_s);
    main().Datei1->setListIndex(1);
    setCatalogue({u"Kuh"_s, u"Kätzchen"_s}, {u"muht"_s, u"miaut"_s});
    expectSaved(u"ZAHLEN.TXT"_s, u"NEU.TXT"_s);

    click(editor().Bild3);

    EXPECT_EQ(fileBytes(workDir.filePath(u"NEU.TXT"_s)), QByteArray("Kuh\r\nmuht\r\nK\xE4tzchen\r\nmiaut\r\n"));
    const QStringList listed{u"NEU.TXT"_s, u"TIERE.TXT"_s, u"ZAHLEN.TXT"_s};
    EXPECT_EQ(main().Datei1->texts(), listed);
    EXPECT_EQ(editor().Datei1->texts(), listed);
    // Marked by name, not by row: the new file took row 0. And nothing was loaded.
    EXPECT_EQ(selectedName(main().Datei1), u"ZAHLEN.TXT"_s);
    EXPECT_EQ(selectedName(editor().Datei1), u"TIERE.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), QStringList({u"Kuh"_s, u"Kätzchen"_s}));
    EXPECT_EQ(choices(), QStringList({u"1"_s, u"2"_s}));
}

TEST_F(EditorSaving, TheProposedNameGoesToTheWorkingFolderNotToTheFolderItCameFrom)
{
    putCatalogue(u"fremd.txt"_s, "Wal\r\nSäuger\r\n");
    main().Verzeichnis1->setPath(catalogues.path());
    dialogs.expectMessage(u"Datensätze dieser Datei:   1\rProgrammvoreinstellung:   10\r"_s, u"FREMD.TXT"_s);
    main().Datei1->setListIndex(0);
    expectSaved(u"fremd.txt"_s, u"fremd.txt"_s);

    click(editor().Bild3);

    EXPECT_EQ(fileBytes(workDir.filePath(u"fremd.txt"_s)), QByteArray("Wal\r\nS\xE4uger\r\n"));
    EXPECT_EQ(fileBytes(catalogues.filePath(u"fremd.txt"_s)), QByteArray("Wal\r\nSäuger\r\n"));
}

TEST_F(EditorSaving, ANameWithoutTheExtensionIsWrittenAsTypedAndListedNowhere)
{
    setCatalogue({}, {});
    expectSaved(QString(), u"liste"_s);
    click(editor().Bild3);
    EXPECT_EQ(fileBytes(workDir.filePath(u"liste"_s)), QByteArray());
    EXPECT_FALSE(main().Datei1->texts().contains(u"liste"_s));
    EXPECT_FALSE(editor().Datei1->texts().contains(u"liste"_s));
}

TEST_F(EditorSaving, AnEmptyNameWritesNothingAndSaysNothing)
{
    const QStringList before = workListing();
    dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, QString(), QString());
    click(editor().Bild3);
    EXPECT_EQ(workListing(), before);
}

TEST_F(EditorSaving, DifferentNumbersOfQuestionsAndAnswersAreRefusedBeforeTheName)
{
    const QStringList before = workListing();
    setCatalogue({u"Kuh"_s, u"Hund"_s}, {u"muht"_s});
    dialogs.expectMessage(u"Verschieden viele Fragen und Antworten!\r"_s, u"Dateifehler"_s);
    click(editor().Bild3);
    EXPECT_EQ(workListing(), before);
}

TEST_F(EditorSaving, ASavedCatalogueLoadsBackUnchanged)
{
    dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                          MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, MsgBox::Yes);
    click(editor().Bild10);
    typePair(u"Wie heißt die Hauptstadt von Österreich?"_s, u"Wien"_s);
    typePair(u"Größter Planet?"_s, u"Jupiter"_s);
    typePair(u" Leerzeichen "_s, u"bleiben "_s);
    const QStringList questions = catalogueQuestions();
    const QStringList answers = catalogueAnswers();
    expectSaved(QString(), u"RUNDE.TXT"_s);
    click(editor().Bild3);

    setCatalogue({}, {});
    dialogs.expectMessage(u"Datensätze dieser Datei:   3\rProgrammvoreinstellung:   10\r"_s, u"RUNDE.TXT"_s);
    loadInEditor(workDir.path(), u"RUNDE.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(catalogueAnswers(), answers);
}

// A failed save says why, shows no confirmation, and leaves the disk and the catalogue as they
// were. "{work}" stands for the working folder.
struct FailureCase
{
    std::string name;
    QString typed;
    QString reason;
};

void PrintTo(const FailureCase &failure, std::ostream *out)
{
    *out << failure.name;
}

class FailedSave : public EditorSaving, public ::testing::WithParamInterface<FailureCase>
{
protected:
    void prepareWorkDir() override
    {
        EditorSaving::prepareWorkDir();
        ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ORDNER.TXT"_s));
    }

    void expectFailure(const QString &typed, const QString &reason)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, QString(), typed);
        dialogs.expectMessage(u"Die Datei wurde nicht gespeichert.\r"_s + reason + u'\r', u"Dateifehler"_s);
    }
};

TEST_P(FailedSave, SaysWhyAndChangesNothing)
{
    const FailureCase &failure = GetParam();
    const QStringList listing = workListing();
    const QStringList questions = catalogueQuestions();
    expectFailure(failure.typed, QString(failure.reason).replace(u"{work}"_s, workDir.path()));

    click(editor().Bild3);

    EXPECT_EQ(fileBytes(workDir.filePath(u"TIERE.TXT"_s)), oldBytes);
    EXPECT_EQ(workListing(), listing);
    EXPECT_EQ(catalogueQuestions(), questions);
}

const QString overLongName = QString(300, u'A') + u".TXT"_s;

INSTANTIATE_TEST_SUITE_P(Names, FailedSave, ::testing::Values(
    FailureCase{"NameOfAFolder", u"ORDNER.TXT"_s, u"„ORDNER.TXT“ ist ein Ordner und keine Datei."_s},
    FailureCase{"FolderMissing", u"fehlt/TIERE.TXT"_s, u"Den Ordner „{work}/fehlt“ gibt es nicht."_s},
    FailureCase{"NameTooLong", overLongName,
                u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return info.param.name; });

// The disk fills up half-way: a file-size limit makes the write fail.
TEST_F(FailedSave, AFullDiskKeepsTheOldFileByteForByte)
{
    const QStringList listing = workListing();
    const QStringList questions = catalogueQuestions();
    expectFailure(u"TIERE.TXT"_s, u"Die Datei „TIERE.TXT“ konnte nicht vollständig geschrieben werden."_s);
    {
        const FullDisk fullDisk(16); // the standard questions need far more
        ASSERT_TRUE(fullDisk.active());
        click(editor().Bild3);
    }
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(fileBytes(workDir.filePath(u"TIERE.TXT"_s)), oldBytes);
    EXPECT_EQ(workListing(), listing);
}

} // namespace
