// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The bold sans serif of every window. Where the classic "MS Sans Serif" is missing, a
// metric-compatible sans takes its place.
QFont uiFont(double pointSize = 8.25);
