// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorFileFixture.h"
#include "support/FullDisk.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QByteArray oldBytes = "Hund\r\nbellt\r\n";

// The working folder holds two catalogues; the editor's file list marks the first at start-up.
class EditorSaving : public EditorFileFixture
{
protected:
    void prepareWorkDir() override
    {
        writeWorkFile(u"TIERE.TXT"_s, oldBytes);
        writeWorkFile(u"ZAHLEN.TXT"_s, "eins\r\n1\r\nzwei\r\n2\r\n");
        ASSERT_TRUE(QDir(workDir.path()).mkdir(u"ORDNER.TXT"_s));
    }

public:
    void expectNameInput(const QString &proposed, const QString &typed)
    {
        dialogs.expectInput(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed, typed);
    }

    void expectSaved(const QString &proposed, const QString &typed)
    {
        expectNameInput(proposed, typed);
        dialogs.expectMessage(u"Die Datei "_s + typed + u" wurde gespeichert.\r"_s,
                              u"Datei sichern"_s);
    }

    static QString selectedName(const FileListBox *files)
    {
        return files->text(files->listIndex());
    }
};

TEST_F(EditorSaving, WritesTheCatalogueAndBothListsShowItKeepingTheirMarkedFiles)
{
    ASSERT_EQ(selectedName(editor().fileList), u"TIERE.TXT"_s);
    expectCountMessage(2, u"ZAHLEN.TXT"_s);
    main().fileList->setListIndex(1);
    setCatalogue({u"Kuh"_s, u"Kätzchen"_s}, {u"muht"_s, u"miaut"_s});
    expectSaved(u"ZAHLEN.TXT"_s, u"NEU.TXT"_s);

    click(editor().saveButton);

    EXPECT_EQ(fileBytes(workDir.filePath(u"NEU.TXT"_s)),
              QByteArray("Kuh\r\nmuht\r\nK\xE4tzchen\r\nmiaut\r\n"));
    const QStringList listed{u"NEU.TXT"_s, u"TIERE.TXT"_s, u"ZAHLEN.TXT"_s};
    EXPECT_EQ(main().fileList->texts(), listed);
    EXPECT_EQ(editor().fileList->texts(), listed);
    // Marked by name, not by row: the new file took row 0. And nothing was loaded.
    EXPECT_EQ(selectedName(main().fileList), u"ZAHLEN.TXT"_s);
    EXPECT_EQ(selectedName(editor().fileList), u"TIERE.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), QStringList({u"Kuh"_s, u"Kätzchen"_s}));
    EXPECT_EQ(choices(), QStringList({u"1"_s, u"2"_s}));
}

TEST_F(EditorSaving, TheProposedNameGoesToTheWorkingFolderNotToTheFolderItCameFrom)
{
    putCatalogue(u"fremd.txt"_s, "Wal\r\nSäuger\r\n");
    showCatalogues();
    expectCountMessage(1, u"FREMD.TXT"_s);
    main().fileList->setListIndex(0);
    expectSaved(u"fremd.txt"_s, u"fremd.txt"_s);

    click(editor().saveButton);

    EXPECT_EQ(fileBytes(workDir.filePath(u"fremd.txt"_s)), QByteArray("Wal\r\nS\xE4uger\r\n"));
    EXPECT_EQ(fileBytes(catalogues.filePath(u"fremd.txt"_s)), QByteArray("Wal\r\nSäuger\r\n"));
}

// An empty name writes nothing and says nothing; unequal lists are refused before the name.
TEST_F(EditorSaving, NothingIsWrittenWithoutANameOrFromListsOfDifferentLength)
{
    const QStringList before = workDirEntries();
    expectNameInput(QString(), QString());
    click(editor().saveButton);
    setCatalogue({u"Kuh"_s, u"Hund"_s}, {u"muht"_s});
    dialogs.expectMessage(u"Verschieden viele Fragen und Antworten!\r"_s, u"Dateifehler"_s);
    click(editor().saveButton);
    EXPECT_EQ(workDirEntries(), before);
}

TEST_F(EditorSaving, ASavedCatalogueLoadsBackUnchanged)
{
    expectNewFileQuestion(MsgBox::Yes);
    click(editor().newCatalogueButton);
    typePair(u"Wie heißt die Hauptstadt von Österreich?"_s, u"Wien"_s);
    typePair(u"Größter Planet?"_s, u"Jupiter"_s);
    typePair(u" Leerzeichen "_s, u"bleiben "_s);
    const QStringList questions = catalogueQuestions();
    const QStringList answers = catalogueAnswers();
    expectSaved(QString(), u"RUNDE.TXT"_s);
    click(editor().saveButton);

    setCatalogue({}, {});
    expectCountMessage(3, u"RUNDE.TXT"_s);
    loadInEditor(workDir.path(), u"RUNDE.TXT"_s);
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(catalogueAnswers(), answers);
}

// A failed save says why, shows no confirmation, and leaves the disk and the catalogue as they
// were. "{work}" stands for the working folder; on a full disk a file-size limit makes the write
// fail half-way.
struct FailureCase
{
    const char *name;
    QString typed, reason;
    bool fullDisk;
};

class FailedSave : public EditorSaving, public ::testing::WithParamInterface<FailureCase>
{ };

TEST_P(FailedSave, SaysWhyAndChangesNothing)
{
    const FailureCase &failure = GetParam();
    const QStringList listing = workDirEntries();
    const QStringList questions = catalogueQuestions();
    expectNameInput(QString(), failure.typed);
    dialogs.expectMessage(u"Die Datei wurde nicht gespeichert.\r"_s
                                  + QString(failure.reason).replace(u"{work}"_s, workDir.path())
                                  + u'\r',
                          u"Dateifehler"_s);
    {
        std::optional<FullDisk> fullDisk;
        if (failure.fullDisk) {
            ASSERT_TRUE(fullDisk.emplace(16).active()); // the standard questions need far more
        }
        click(editor().saveButton);
    }
    EXPECT_EQ(fileBytes(workDir.filePath(u"TIERE.TXT"_s)), oldBytes);
    EXPECT_EQ(workDirEntries(), listing);
    EXPECT_EQ(catalogueQuestions(), questions);
}

const QString overLongName = QString(300, u'A') + u".TXT"_s;

INSTANTIATE_TEST_SUITE_P(
        Names, FailedSave,
        ::testing::Values(
                FailureCase{"NameOfAFolder", u"ORDNER.TXT"_s,
                            u"„ORDNER.TXT“ ist ein Ordner und keine Datei."_s, false},
                FailureCase{"FolderMissing", u"fehlt/TIERE.TXT"_s,
                            u"Den Ordner „{work}/fehlt“ gibt es nicht."_s, false},
                FailureCase{"NameTooLong", overLongName,
                            u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s, false},
                FailureCase{
                        "FullDisk", u"TIERE.TXT"_s,
                        u"Die Datei „TIERE.TXT“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s,
                        true}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
