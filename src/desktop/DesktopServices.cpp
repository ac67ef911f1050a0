// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopServices.h"

#include <QApplication>

void describeApplication()
{
    QApplication::setApplicationName(QStringLiteral("ZEL-Merkbold"));
    QApplication::setDesktopFileName(QStringLiteral("de.zelmerkbold.Merkbold"));
}
