// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up, up to the main window's first paint; then it ends. Only the
// start-up benchmark runs it.
#include "app/Program.h"
#include "desktop/DesktopServices.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QTimer>

namespace {

class FirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    describeApplication();
    DesktopServices desktop;
    Program program(desktop.services());
    FirstPaint firstPaint;
    program.mainWindow().installEventFilter(&firstPaint);
    program.start();
    return QApplication::exec();
}
