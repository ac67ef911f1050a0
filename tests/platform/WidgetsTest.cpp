// SPDX-License-Identifier: GPL-3.0-or-later
// The controls the windows are built from, on their own.
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/Drives.h"
#include "platform/FileListBox.h"
#include "platform/SingleLineValidator.h"

#include "support/Files.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void show(QWidget &widget)
{
    widget.resize(300, 300);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

void clickAt(QWidget *widget, QPoint at, bool twice = false)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

// German order puts an umlaut beside its letter and equal entries in the order they came; adding
// many at once gives what adding one by one gives.
TEST(ListBox, SortedListsFollowGermanOrderAndInsertGoesToItsRow)
{
    ListBox list(ListBox::Order::Sorted), atOnce(ListBox::Order::Sorted);
    for (const QString &text :
         {u"Zebra"_s, u"Äpfel"_s, u"apfel"_s, u"Apfel"_s, u"Bär"_s, u"10"_s, u"9"_s})
        list.addText(text);
    EXPECT_EQ(list.texts(),
              QStringList(
                      {u"10"_s, u"9"_s, u"apfel"_s, u"Apfel"_s, u"Äpfel"_s, u"Bär"_s, u"Zebra"_s}));
    atOnce.addTexts({u"Zebra"_s, u"Äpfel"_s, u"apfel"_s});
    atOnce.addTexts({u"Apfel"_s, u"Bär"_s, u"10"_s, u"9"_s});
    EXPECT_EQ(atOnce.texts(), list.texts());
    list.insertText(1, u"zuerst"_s);
    EXPECT_EQ(list.text(1), u"zuerst"_s);
    EXPECT_EQ(list.text(8) + list.text(-1), QString());
}

// Code runs the click once for a new row and never for a refused one or a removal; a user's
// click always runs it.
TEST(ListBox, SelectionRunsTheClickOnlyForANewRowOrAUsersClick)
{
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({u"a"_s, u"b"_s, u"c"_s});
    std::vector<int> seen;
    QObject::connect(&list, &ListBox::Click, [&] { seen.push_back(list.listIndex()); });
    for (int row : {2, 2, 3, -2})
        list.setListIndex(row);
    list.removeText(0);
    EXPECT_EQ(list.text(list.listIndex()), u"c"_s);
    list.removeText(1);
    EXPECT_EQ(list.listIndex(), -1);
    show(list);
    const QPoint row0 = list.visualRect(list.model()->index(0, 0)).center();
    clickAt(list.viewport(), row0);
    clickAt(list.viewport(), row0);
    EXPECT_EQ(seen, std::vector<int>({2, 0, 0}));
}

// Code sets any of the three values and nothing else; the user only ticks and unticks.
TEST(CheckBox, HoldsTheThreeValuesAndTheUserOnlyTicksAndUnticks)
{
    CheckBox box(u" Ausdrucken erlauben"_s, nullptr);
    box.setValue(2);
    box.setValue(3);
    box.setValue(-1);
    EXPECT_EQ(box.value(), 2);
    show(box);
    std::vector<int> seen;
    for (int click = 0; click < 3; ++click) {
        clickAt(&box, box.rect().center());
        seen.push_back(box.value());
    }
    EXPECT_EQ(seen, std::vector<int>({1, 0, 1}));
}

// Pasted or set from code, the text stays on one line: every line break becomes one blank.
TEST(SingleLineValidator, EveryLineBreakBecomesOneBlank)
{
    QLineEdit input;
    input.setValidator(new SingleLineValidator(&input));
    input.insert(u"<a\r\n\r\nb\rc\nd\u2028e\u2029f\u0085\tg>"_s);
    EXPECT_EQ(input.text(), u"<a  b c d e f \tg>"_s);
    input.setText(u"x\r\ny"_s);
    EXPECT_EQ(input.text(), u"x y"_s);
}

// Case-insensitive pattern, sorted names, only files; a new path or pattern rereads at once
// without a click; a file's path has one separator whatever the folder ends with.
TEST(FileListBox, ListsTheMatchingFilesOfItsFolder)
{
    QTemporaryDir folder;
    for (const QString &name :
         {u"b.txt"_s, u"A.TXT"_s, u"notes.md"_s, u"tiere.txt"_s, u"TIERE.TXT"_s, u"txt"_s})
        putFile(folder.filePath(name), {});
    ASSERT_TRUE(QDir(folder.path()).mkdir(u"ordner.txt"_s));
    FileListBox files;
    QSignalSpy clicks(&files, &FileListBox::Click);
    files.setPattern(u"*.TXT"_s);
    files.setPath(folder.path() + u"/"_s);
    EXPECT_EQ(files.texts(), QStringList({u"A.TXT"_s, u"b.txt"_s, u"TIERE.TXT"_s, u"tiere.txt"_s}));
    EXPECT_EQ(files.filePath(0), folder.filePath(u"A.TXT"_s));
    files.setListIndex(0);
    QFile::remove(folder.filePath(u"A.TXT"_s));
    files.setPattern(u"*.md;*.TXT"_s);
    EXPECT_EQ(files.texts().first(), u"b.txt"_s);
    EXPECT_EQ(files.count(), 4);
    EXPECT_EQ(files.listIndex(), -1);
    EXPECT_EQ(clicks.count(), 1);
    files.setPath(u"/"_s);
    EXPECT_FALSE(files.filePath(0).startsWith(u"//"_s));
}

// The way down from the drive's root and the subfolders; a new folder, set from code or
// double-clicked, runs the change once; a drive whose last folder is gone is entered at its root.
TEST(DirListBox, ShowsTheWayDownAndOpensAFolderOnADoubleClick)
{
    QTemporaryDir folder;
    for (const QString &name : {u"b/innen"_s, u"A"_s, u"c"_s})
        ASSERT_TRUE(QDir(folder.path()).mkpath(name));
    DirListBox folders;
    QSignalSpy changes(&folders, &DirListBox::Change);
    EXPECT_TRUE(folders.setPath(folder.path()));
    EXPECT_TRUE(folders.setPath(folder.path() + u"/"_s));
    EXPECT_FALSE(folders.setPath(folder.filePath(u"gibt es nicht"_s)));
    EXPECT_EQ(changes.count(), 1);
    const QTreeWidgetItem *current = folders.currentItem();
    EXPECT_EQ(current->text(0), QDir(folder.path()).dirName());
    ASSERT_EQ(current->childCount(), 3);
    EXPECT_EQ(current->child(1)->text(0), u"b"_s);
    while (current->parent())
        current = current->parent();
    EXPECT_EQ(current->text(0), driveOf(folder.path()));

    show(folders);
    const QRect row = folders.visualItemRect(folders.currentItem()->child(1));
    clickAt(folders.viewport(), row.center());
    EXPECT_EQ(changes.count(), 1); // a single click only marks the folder
    clickAt(folders.viewport(), row.center(), true);
    EXPECT_EQ(folders.path(), folder.filePath(u"b"_s));
    ASSERT_TRUE(QDir(folder.filePath(u"b"_s)).removeRecursively());
    EXPECT_TRUE(folders.enterDrive(driveOf(folder.path())));
    EXPECT_EQ(folders.path(), driveOf(folder.path()));
}

} // namespace
