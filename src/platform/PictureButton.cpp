// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include "SvgIcon.h"
#include "Twips.h"

using namespace Qt::StringLiterals;

PictureButton::PictureButton(const QString &iconName, const QString &toolTip, QWidget *parent)
    : QToolButton(parent)
{
    setIcon(svgIcon(iconName));
    setIconSize({32, 32});
    setFixedSize(Twips::toPixels(495), Twips::toPixels(495));
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(toolTip);
    setAccessibleName(toolTip);
}
