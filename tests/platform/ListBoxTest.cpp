// SPDX-License-Identifier: GPL-3.0-or-later
// The list box on its own; the windows' journeys and the soak drive the rest.
#include "platform/ListBox.h"

#include "support/Files.h"

#include <QApplication>
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

// The keyboard focus arriving by Tab selects no row, which Qt's own view would do, so that a
// file list does not load its first file; an arrow key in the list selects, as a click does.
TEST(ListBox, TheFocusArrivingSelectsNothing)
{
    ListBox list(ListBox::Order::AsAdded);
    list.addTexts({u"eins"_s, u"zwei"_s});
    list.show();
    int clicks = 0;
    QObject::connect(&list, &ListBox::rowClicked, [&] { ++clicks; });
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&list, &focus);
    EXPECT_EQ(list.currentRow(), -1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(clicks, 1);
}

} // namespace
