// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

// A picture box used as a button: a 32 × 32 icon, a tooltip as its only text. The tooltip is
// also its accessible name, so a screen reader can say what the picture does.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    PictureButton(const QString &iconName, const QString &toolTip, QWidget *parent);
};
