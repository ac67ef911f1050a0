// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A plain-text label that paints at most displayedCharacters of its text (see DisplayText.h).
// text() stays whole: the quiz compares it with the catalogue. A shorter text is painted by
// QLabel itself; a longer one is painted as QLabel would paint the bounded text.
class BoundedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
