// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The 16 colours of the classic palette, by number 0 to 15; red is 12 and yellow 14.
QColor qbColor(int number);
