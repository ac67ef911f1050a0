// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "desktop/DesktopServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    describeApplication();
    DesktopServices desktop;
    Program program(desktop.services());
    program.start();
    return QApplication::exec();
}
