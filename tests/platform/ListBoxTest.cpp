// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBox.h"
#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ListBox, SortedAppendFollowsGermanOrderAfterEqualEntriesAndInsertGoesToItsRow)
{
    ListBox list(ListBox::Order::Sorted);
    for (const QString &text : {u"Zebra"_s, u"Äpfel"_s, u"apfel"_s, u"Apfel"_s, u"Bär"_s})
        list.addText(text);
    EXPECT_EQ(list.texts(),
              QStringList({u"apfel"_s, u"Apfel"_s, u"Äpfel"_s, u"Bär"_s, u"Zebra"_s}));
    list.insertText(1, u"zuerst"_s);
    EXPECT_EQ(list.texts(),
              QStringList({u"apfel"_s, u"zuerst"_s, u"Apfel"_s, u"Äpfel"_s, u"Bär"_s, u"Zebra"_s}));
}

// Adding many at once must give exactly what adding them one by one gives.
TEST(ListBox, AddingManyAtOnceEqualsAddingOneByOne)
{
    const QStringList texts = {u"b"_s,     u"Äpfel"_s, u"apfel"_s, u"B"_s, u"Apfel"_s,
                               u"zebra"_s, u""_s,      u"10"_s,    u"9"_s};
    ListBox oneByOne(ListBox::Order::Sorted);
    for (const QString &text : texts + QStringList{u"c"_s, u"a"_s})
        oneByOne.addText(text);
    ListBox atOnce(ListBox::Order::Sorted);
    atOnce.addTexts(texts);
    atOnce.addTexts({u"c"_s, u"a"_s});
    EXPECT_EQ(atOnce.texts(), oneByOne.texts());
}

TEST(ListBox, UnsortedAppendKeepsOrderAndRowsBeyondTheEndReadEmpty)
{
    ListBox list(ListBox::Order::AsAdded);
    EXPECT_EQ(list.text(0), QString());
    list.addText(u"b"_s);
    list.addText(u"A"_s);
    EXPECT_EQ(list.texts(), QStringList({u"b"_s, u"A"_s}));
    EXPECT_EQ(list.text(2), QString());
    EXPECT_EQ(list.text(-1), QString());
}

TEST(ListBox, SelectingFromCodeRunsTheClickOnceWithTheRowSelected)
{
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({u"a"_s, u"b"_s, u"c"_s});
    std::vector<int> seen;
    QObject::connect(&list, &ListBox::Click, [&] { seen.push_back(list.listIndex()); });
    list.setListIndex(2);
    list.setListIndex(2);
    list.setListIndex(3); // no such row: refused
    list.setListIndex(-2);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(seen, std::vector<int>({2}));
}

TEST(ListBox, RemovingRowsMovesTheSelectionWithoutAClick)
{
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({u"a"_s, u"b"_s, u"c"_s});
    list.setListIndex(2);
    QSignalSpy clicks(&list, &ListBox::Click);
    list.removeText(0);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(list.listIndex()), u"c"_s);
    list.removeText(1);
    EXPECT_EQ(list.listIndex(), -1);
    list.insertText(0, u"z"_s);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(ListBox, AUsersClickAlwaysRunsTheClick)
{
    ListBox list(ListBox::Order::AsAdded);
    list.resize(200, 200);
    list.setTexts({u"a"_s, u"b"_s, u"c"_s});
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &ListBox::Click);
    const QPoint row1 = list.visualRect(list.model()->index(1, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(list.listIndex(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
