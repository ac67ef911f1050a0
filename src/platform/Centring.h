// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>

class QWidget;

// Top-left corner that centres a window on a screen: half the difference in each direction,
// fractions kept, and negative when the window is larger than the screen.
QPointF centredTopLeft(const QSizeF &screen, const QSizeF &window);

// Moves a window to the centre of its screen, by its outer size.
void centreOnScreen(QWidget &window);
