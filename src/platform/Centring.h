// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPointF>
#include <QSizeF>

class QWidget;

// Top-left corner that centres a window on a screen: half the difference in each direction,
// fractions kept, and negative when the window is larger than the screen.
QPointF centredTopLeft(const QSizeF &screen, const QSizeF &window);

// The frame a window system is expected to put around a window that has none yet: a caption bar
// and a border as the window's style draws them; none for a frameless window.
QMargins expectedFrame(const QWidget &window);

// Moves a window to the centre of its screen by its outer size, frame and caption bar included.
// A window not yet shown has no frame, so it is centred with the expected one and centred once
// more when it is first shown and its real frame is known; a window the user moved after that
// stays where it was put.
void centreOnScreen(QWidget &window);
