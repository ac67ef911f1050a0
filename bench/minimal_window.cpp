// SPDX-License-Identifier: GPL-3.0-or-later
// The least a real Qt Widgets window does: one line of text in the program's interface font,
// painted once; then it ends. The baseline of the start-up benchmark: like any window with a
// label, it pays for setting up the fonts.
#include "platform/UiFont.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

class OneLineWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setFont(uiFont());
        painter.drawText(rect(), Qt::AlignCenter, u"ZEL-Merkbold"_s);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    OneLineWindow window;
    window.show();
    return QApplication::exec();
}
