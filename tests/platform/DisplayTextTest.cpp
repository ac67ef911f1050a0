// SPDX-License-Identifier: GPL-3.0-or-later
// A text far longer than any display is painted only up to a bound, while what the program
// compares and saves keeps every character.
#include "platform/BoundedLabel.h"
#include "platform/DisplayText.h"
#include "platform/ListBox.h"
#include "support/Files.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString bounded = QString(displayedCharacters, u'a');

TEST(DisplayText, CutsOnlyBeyondTheBoundAndNeverInsideACharacter)
{
    const struct
    {
        QString text, shown;
    } cases[] = {
            {bounded, bounded},
            {bounded + u'b', bounded + u'…'},
            {bounded.first(displayedCharacters - 1) + u"😀b"_s,
             bounded.first(displayedCharacters - 1) + u'…'},
    };
    for (const auto &c : cases)
        EXPECT_EQ(displayText(c.text), c.shown) << c.text.size();
}

TEST(DisplayText, AListShowsTheBoundedTextAndKeepsTheWholeOne)
{
    const QString whole = bounded + u"bc"_s;
    ListBox list(ListBox::Order::AsAdded);
    list.setTexts({whole, u"kurz"_s});
    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole}) {
        EXPECT_EQ(list.model()->index(0, 0).data(role).toString(), bounded + u'…') << role;
        EXPECT_EQ(list.model()->index(1, 0).data(role).toString(), u"kurz"_s) << role;
    }
    EXPECT_EQ(list.texts(), QStringList({whole, u"kurz"_s}));
}

// Paints exactly what a plain label paints for the bounded text, in the look of the main
// window's question display; text() stays whole.
TEST(DisplayText, ALabelPaintsTheBoundedTextAsAPlainLabelWould)
{
    const QString whole = u"Lernkärtchen "_s.repeated(displayedCharacters / 10);
    BoundedLabel label(whole);
    QLabel plain(displayText(whole));
    for (QLabel *each : {static_cast<QLabel *>(&label), &plain}) {
        each->setGeometry(0, 0, 300, 120);
        each->setStyleSheet(u"color: #000040; background-color: #C0FFC0;"_s);
        each->setAlignment(Qt::AlignCenter);
        each->setWordWrap(true);
        each->setTextFormat(Qt::PlainText);
    }
    EXPECT_EQ(label.grab().toImage(), plain.grab().toImage());
    EXPECT_EQ(label.text(), whole);
}

} // namespace
