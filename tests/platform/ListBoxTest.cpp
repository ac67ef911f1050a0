// SPDX-License-Identifier: GPL-3.0-or-later
// The list controls the windows are built from, on their own; the windows' journeys and the
// soak drive the rest.
#include "platform/DirListBox.h"
#include "platform/Drives.h"
#include "platform/ListBox.h"

#include "support/Files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// German order puts an umlaut beside its letter and equal entries in the order they came;
// adding many at once gives what adding one by one gives; rows past the end read empty.
TEST(ListBox, SortedListsFollowGermanOrder)
{
    const QStringList texts = {u"Zebra"_s, u"Äpfel"_s, u"apfel"_s, u"Apfel"_s,
                               u"Bär"_s,   u"10"_s,    u"9"_s};
    ListBox oneByOne(ListBox::Order::Sorted), atOnce(ListBox::Order::Sorted);
    for (const QString &text : texts)
        oneByOne.addText(text);
    EXPECT_EQ(oneByOne.texts(),
              QStringList(
                      {u"10"_s, u"9"_s, u"apfel"_s, u"Apfel"_s, u"Äpfel"_s, u"Bär"_s, u"Zebra"_s}));
    atOnce.addTexts(texts.mid(0, 3));
    atOnce.addTexts(texts.mid(3));
    EXPECT_EQ(atOnce.texts(), oneByOne.texts());
}

// A new folder, set from code or double-clicked, runs the change once, a click only marks it; a
// drive whose last folder is gone is entered at its root.
TEST(DirListBox, OpensAFolderOnADoubleClick)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(u"b/innen"_s) && QDir(folder.path()).mkpath(u"A"_s));
    DirListBox folders;
    QSignalSpy changes(&folders, &DirListBox::pathChanged);
    EXPECT_TRUE(folders.setPath(folder.path()));
    EXPECT_TRUE(folders.setPath(folder.path() + u"/"_s));
    EXPECT_FALSE(folders.setPath(folder.filePath(u"gibt es nicht"_s)));
    EXPECT_EQ(changes.count(), 1);
    folders.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&folders));
    const QPoint b = folders.visualItemRect(folders.currentItem()->child(1)).center();
    QTest::mouseClick(folders.viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(changes.count(), 1);
    QTest::mouseDClick(folders.viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(folders.path(), folder.filePath(u"b"_s));
    ASSERT_TRUE(QDir(folder.filePath(u"b"_s)).removeRecursively());
    EXPECT_TRUE(folders.enterDrive(driveOf(folder.path())));
    EXPECT_EQ(folders.path(), driveOf(folder.path()));
}

} // namespace
