// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BoundedLabel.h"
#include "platform/DisplayText.h"
#include "support/Files.h"

#include <QImage>

namespace {

// A text far longer than the display is painted exactly as a plain label paints its bounded
// part, in the look of the main window's question display; text() stays whole.
TEST(BoundedLabel, PaintsTheBoundedTextAsAPlainLabelWouldAndKeepsTheWholeOne)
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
