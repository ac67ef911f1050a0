// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/Drives.h"
#include "platform/FileListBox.h"
#include "catalogue/TestFiles.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FileLists : public ::testing::Test
{
protected:
    QString at(const QString &name) const { return folder.filePath(name); }
    void touch(const QString &name) const { putFile(at(name), {}); }

    QTemporaryDir folder;
};

TEST_F(FileLists, ThePatternIgnoresLetterCaseAndNamesComeSorted)
{
    for (const QString &name : {u"b.txt"_s, u"A.TXT"_s, u"c.Txt"_s, u"notes.md"_s, u"tiere.txt"_s,
                                u"TIERE.TXT"_s, u"txt"_s, u"Ärger.txt"_s})
        touch(name);
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"ordner.txt"_s));

    FileListBox files;
    files.setPattern(u"*.TXT"_s);
    files.setPath(folder.path());
    EXPECT_EQ(files.texts(),
              QStringList({u"A.TXT"_s, u"b.txt"_s, u"c.Txt"_s, u"TIERE.TXT"_s, u"tiere.txt"_s,
                           u"Ärger.txt"_s}));
    files.setPattern(u"*.md;*.TXT"_s);
    EXPECT_EQ(files.count(), 7);
}

TEST_F(FileLists, SettingThePathOrPatternRereadsAtOnceWithoutAClick)
{
    touch(u"eins.txt"_s);
    FileListBox files;
    files.setPattern(u"*.TXT"_s);
    files.setPath(folder.path());
    files.setListIndex(0);
    QSignalSpy clicks(&files, &FileListBox::Click);

    touch(u"zwei.TXT"_s);
    files.setPath(folder.path());
    EXPECT_EQ(files.texts(), QStringList({u"eins.txt"_s, u"zwei.TXT"_s}));
    EXPECT_EQ(files.listIndex(), -1);

    QFile::remove(at(u"eins.txt"_s));
    files.setPattern(u"*.TXT"_s);
    EXPECT_EQ(files.texts(), QStringList({u"zwei.TXT"_s}));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(FileLists, AFilesPathHasOneSeparatorWhateverThePathEndsWith)
{
    touch(u"tiere.txt"_s);
    FileListBox files;
    files.setPath(folder.path() + u"/"_s);
    EXPECT_EQ(files.path(), folder.path());
    EXPECT_EQ(files.filePath(0), folder.path() + u"/tiere.txt"_s);
    EXPECT_EQ(files.filePath(1), QString());
    files.setPath(u"/"_s);
    EXPECT_FALSE(files.filePath(0).startsWith(u"//"_s));
}

TEST_F(FileLists, SettingAFolderRunsTheChangeAtOnceAndOnlyForANewFolder)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"Klasse 5/Englisch"_s));
    DirListBox folders;
    std::vector<QString> seen;
    QObject::connect(&folders, &DirListBox::Change, [&] { seen.push_back(folders.path()); });

    EXPECT_TRUE(folders.setPath(at(u"Klasse 5"_s)));
    EXPECT_EQ(seen, std::vector<QString>({at(u"Klasse 5"_s)}));
    EXPECT_TRUE(folders.setPath(at(u"Klasse 5/"_s)));
    EXPECT_EQ(seen.size(), 1u);

    EXPECT_FALSE(folders.setPath(at(u"gibt es nicht"_s)));
    EXPECT_EQ(folders.path(), at(u"Klasse 5"_s));
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(FileLists, AFolderListShowsTheWayDownAndTheSubfolders)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"b/innen"_s));
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"A"_s));
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"c"_s));
    DirListBox folders;
    folders.setPath(folder.path());
    const QTreeWidgetItem *current = folders.currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(0), QDir(folder.path()).dirName());
    QStringList subfolders;
    for (int i = 0; i < current->childCount(); ++i)
        subfolders << current->child(i)->text(0);
    EXPECT_EQ(subfolders, QStringList({u"A"_s, u"b"_s, u"c"_s}));
    // The way down starts at the root of the drive.
    const QTreeWidgetItem *top = current;
    while (top->parent())
        top = top->parent();
    EXPECT_EQ(top->text(0), driveOf(folder.path()));
}

TEST_F(FileLists, ADoubleClickOpensAFolder)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"Englisch"_s));
    DirListBox folders;
    folders.resize(300, 400);
    folders.setPath(folder.path());
    folders.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&folders));
    QSignalSpy changes(&folders, &DirListBox::Change);
    const QRect row = folders.visualItemRect(folders.currentItem()->child(0));
    QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(changes.count(), 0); // a single click only marks the folder
    QTest::mouseDClick(folders.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(folders.path(), at(u"Englisch"_s));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(FileLists, ADriveWhoseLastFolderIsGoneIsEnteredAtItsRoot)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"weg"_s));
    DirListBox folders;
    folders.setPath(at(u"weg"_s));
    ASSERT_TRUE(QDir(at(u"weg"_s)).removeRecursively());
    const QString drive = driveOf(folder.path());
    EXPECT_TRUE(folders.enterDrive(drive));
    EXPECT_EQ(folders.path(), drive);
}

TEST(Drives, OnlyFileSystemsForFilesAreOffered)
{
    const QList<Drive> drives = mountedDrives();
    for (const Drive &drive : drives) {
        for (const QString &system : {u"/proc"_s, u"/sys"_s, u"/dev"_s})
            EXPECT_FALSE(drive.root == system || drive.root.startsWith(system + u'/'))
                    << drive.root.toStdString();
        EXPECT_TRUE(QFileInfo(drive.root).isDir()) << drive.root.toStdString();
    }
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end(),
                               [](const Drive &a, const Drive &b) { return a.root < b.root; }));
}

// Only another drive runs the change, from code or picked by the user; the chosen drive stays
// offered when the mounted drives change.
TEST_F(FileLists, ADriveListRunsItsChangeOnlyForAnotherDrive)
{
    DriveListBox drives;
    const QString home = drives.drive();
    EXPECT_EQ(home, driveOf(QDir::currentPath()));
    drives.setDrives({{home, {}}, {folder.path(), u"STICK"_s}});
    EXPECT_EQ(drives.itemText(drives.findData(folder.path())), folder.path() + u"  [STICK]"_s);
    std::vector<QString> seen;
    QObject::connect(&drives, &DriveListBox::Change, [&] { seen.push_back(drives.drive()); });
    drives.setDrive(QDir::currentPath());
    drives.setCurrentIndex(drives.findData(folder.path()));
    drives.setDrives({{home, {}}});
    EXPECT_EQ(drives.drive(), folder.path());
    drives.setDrive(QDir::currentPath());
    EXPECT_EQ(seen, std::vector<QString>({folder.path(), home}));
    EXPECT_EQ(drives.currentData().toString(), home);
}

} // namespace
