// SPDX-License-Identifier: GPL-3.0-or-later
// A text far longer than any display is shown only up to a bound, while what the program
// compares and saves keeps every character.
#include "platform/BoundedLabel.h"
#include "platform/DisplayText.h"
#include "platform/ListBox.h"
#include "support/Files.h"

#include <QImage>

namespace {

const QString bounded = QString(displayedCharacters, u'a');

TEST(DisplayText, CutsOnlyBeyondTheBoundAndNeverInsideACharacter)
{
    const std::pair<QString, QString> cases[] = {{bounded, bounded},
                                                 {bounded + u'b', bounded + u'…'},
                                                 {bounded.first(displayedCharacters - 1) + u"😀b"_s,
                                                  bounded.first(displayedCharacters - 1) + u'…'}};
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(displayText(text), shown) << text.size();
}

// A list shows, tells and reads out the bounded text; a label paints exactly what a plain
// label paints for it. Both keep the whole text.
TEST(DisplayText, ListsAndLabelsShowTheBoundedTextAndKeepTheWholeOne)
{
    const QString whole = u"Lernkärtchen "_s.repeated(displayedCharacters / 10);
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({whole, u"kurz"_s});
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole}) {
        EXPECT_EQ(list.model()->index(0, 0).data(role).toString(), displayText(whole)) << role;
        EXPECT_EQ(list.model()->index(1, 0).data(role).toString(), u"kurz"_s) << role;
    }
    EXPECT_EQ(list.texts(), QStringList({whole, u"kurz"_s}));
    BoundedLabel label(whole);
    QLabel plain(displayText(whole));
    for (QLabel *each : {static_cast<QLabel *>(&label), &plain}) {
        each->setGeometry(0, 0, 300, 120);
        each->setWordWrap(true);
    }
    EXPECT_EQ(label.grab().toImage(), plain.grab().toImage());
    EXPECT_EQ(label.text(), whole);
}

} // namespace
