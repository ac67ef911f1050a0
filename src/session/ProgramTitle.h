// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The caption of the windows; a loaded catalogue file adds its name in the main window.
inline const QString programTitle = QStringLiteral("Z E L - M e r k b o l d");
