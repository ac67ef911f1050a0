#include "app/Program.h"
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
    Program program({dialogs, random});
    program.start();
    return QApplication::exec();
}
