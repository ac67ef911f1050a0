#include "platform/ListBox.h"
#include "support/QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ListBox, SortedAppendIgnoresCaseAndInsertGoesToItsRow)
{
    ListBox list(ListBox::Order::Sorted);
    list.addText(u"b"_s);
    list.addText(u"A"_s);
    list.addText(u"c"_s);
    EXPECT_EQ(list.texts(), QStringList({u"A"_s, u"b"_s, u"c"_s}));
    list.insertText(0, u"z"_s);
    EXPECT_EQ(list.texts(), QStringList({u"z"_s, u"A"_s, u"b"_s, u"c"_s}));
}

TEST(ListBox, SortedAppendUsesGermanOrderAfterEqualEntries)
{
    ListBox list(ListBox::Order::Sorted);
    for (const QString &text : {u"Zebra"_s, u"Äpfel"_s, u"apfel"_s, u"Apfel"_s, u"Bär"_s})
        list.addText(text);
    EXPECT_EQ(list.texts(), QStringList({u"apfel"_s, u"Apfel"_s, u"Äpfel"_s, u"Bär"_s, u"Zebra"_s}));
}

TEST(ListBox, AppendingGoesBetweenInsertingGoesFirst)
{
    ListBox inserted(ListBox::Order::Sorted);
    ListBox appended(ListBox::Order::Sorted);
    for (ListBox *list : {&inserted, &appended}) {
        list->addText(u"In Gallonen."_s);
        list->addText(u"Als Orkan."_s);
    }
    inserted.insertText(0, u"Das sind Halogen-Scheinwerfer."_s);
    EXPECT_EQ(inserted.texts(), QStringList({u"Das sind Halogen-Scheinwerfer."_s, u"Als Orkan."_s, u"In Gallonen."_s}));
    appended.addText(u"Das sind Halogen-Scheinwerfer."_s);
    EXPECT_EQ(appended.texts(), QStringList({u"Als Orkan."_s, u"Das sind Halogen-Scheinwerfer."_s, u"In Gallonen."_s}));
}

// Adding many at once must give exactly what adding them one by one gives.
TEST(ListBox, AddingManyAtOnceEqualsAddingOneByOne)
{
    const QStringList texts = {u"b"_s, u"Äpfel"_s, u"apfel"_s, u"B"_s, u"Apfel"_s, u"zebra"_s, u""_s, u"10"_s, u"9"_s};
    ListBox oneByOne(ListBox::Order::Sorted);
    for (const QString &text : texts)
        oneByOne.addText(text);
    ListBox atOnce(ListBox::Order::Sorted);
    atOnce.addTexts(texts);
    EXPECT_EQ(atOnce.texts(), oneByOne.texts());
    atOnce.addTexts({u"c"_s, u"a"_s});
    oneByOne.addText(u"c"_s);
    oneByOne.addText(u"a"_s);
    EXPECT_EQ(atOnce.texts(), oneByOne.texts());
}

TEST(ListBox, UnsortedAppendKeepsOrder)
{
    ListBox list(ListBox::Order::AsAdded);
    list.addText(u"b"_s);
    list.addText(u"A"_s);
    EXPECT_EQ(list.texts(), QStringList({u"b"_s, u"A"_s}));
}

TEST(ListBox, RowsBeyondTheEndReadEmpty)
{
    ListBox list(ListBox::Order::AsAdded);
    EXPECT_EQ(list.text(0), QString());
    list.addText(u"x"_s);
    EXPECT_EQ(list.text(0), u"x"_s);
    EXPECT_EQ(list.text(1), QString());
    EXPECT_EQ(list.text(-1), QString());
}

TEST(ListBox, SelectingFromCodeRunsTheClickOnceWithTheRowSelected)
{
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({u"a"_s, u"b"_s, u"c"_s});
    std::vector<int> seen;
    QObject::connect(&list, &ListBox::Click, [&] { seen.push_back(list.listIndex()); });
    list.setListIndex(2);
    EXPECT_EQ(seen, std::vector<int>({2}));
    list.setListIndex(2);
    EXPECT_EQ(seen, std::vector<int>({2}));
    list.setListIndex(3); // no such row: refused
    list.setListIndex(-2);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(seen.size(), 1u);
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
