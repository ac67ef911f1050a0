// SPDX-License-Identifier: GPL-3.0-or-later
// The sorted list box on its own; the windows' journeys and the soak drive the rest.
#include "platform/ListBox.h"

#include "support/Files.h"

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

} // namespace
