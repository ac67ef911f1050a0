#include "app/Program.h"
#include "output/QtClipboardService.h"
#include "output/SystemPrintService.h"
#include "platform/QtDialogs.h"
#include "platform/RandomSource.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZEL-Merkbold"));
    QApplication::setDesktopFileName(QStringLiteral("de.zelmerkbold.Merkbold"));

    QtDialogs dialogs;
    ClockRandomSource random;
    SystemPrintService printer;
    QtClipboardService clipboard;
    Program program({dialogs, random, printer, clipboard});
    program.start();
    return QApplication::exec();
}
