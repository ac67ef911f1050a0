// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does: one empty window, painted once; then it ends. The
// baseline of the start-up benchmark.
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

class EmptyWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    EmptyWindow window;
    window.show();
    return QApplication::exec();
}
