// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedLabel.h"

#include "DisplayText.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

void BoundedLabel::paintEvent(QPaintEvent *event)
{
    if (text().size() <= displayedCharacters) {
        QLabel::paintEvent(event);
        return;
    }
    const QString shown = displayText(text());
    const Qt::LayoutDirection direction = shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, alignment());

    QPainter painter(this);
    drawFrame(&painter);
    QRect area = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    // QLabel's own inset: an indent, or with a frame and no indent half an "x" on the sides
    // the text is aligned to.
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (inset > 0) {
        area.adjust(align & Qt::AlignLeft ? inset : 0, align & Qt::AlignTop ? inset : 0,
                    align & Qt::AlignRight ? -inset : 0, align & Qt::AlignBottom ? -inset : 0);
    }
    QStyleOption option;
    option.initFrom(this);
    const int flags = int(align) | (wordWrap() ? Qt::TextWordWrap : 0)
            | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), shown,
                          foregroundRole());
}
