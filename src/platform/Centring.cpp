// SPDX-License-Identifier: GPL-3.0-or-later
#include "Centring.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

QPointF centredTopLeft(const QSizeF &screen, const QSizeF &window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QPointF topLeft =
            centredTopLeft(screen->geometry().size(), window.frameGeometry().size());
    window.move(screen->geometry().topLeft()
                + QPoint(int(std::floor(topLeft.x())), int(std::floor(topLeft.y()))));
}
