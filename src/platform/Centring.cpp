// SPDX-License-Identifier: GPL-3.0-or-later
#include "Centring.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace {

void moveCentred(QWidget &window, const QSize &outer)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QPointF topLeft = centredTopLeft(screen->geometry().size(), outer);
    window.move(screen->geometry().topLeft()
                + QPoint(int(std::floor(topLeft.x())), int(std::floor(topLeft.y()))));
}

// Centres the window again by its real frame the first time the window system shows it, then
// goes. The frame is only known once the window is on the screen: on X11 the window manager
// adds it after the window is mapped.
class FirstShowCentring : public QObject
{
public:
    explicit FirstShowCentring(QWidget &window) : QObject(&window), m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show && m_window.windowHandle()) {
            m_window.removeEventFilter(this);
            m_window.windowHandle()->installEventFilter(this);
        } else if (watched == m_window.windowHandle() && event->type() == QEvent::Expose
                   && m_window.windowHandle()->isExposed()) {
            m_window.windowHandle()->removeEventFilter(this);
            moveCentred(m_window, m_window.frameGeometry().size());
            deleteLater();
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

QPointF centredTopLeft(const QSizeF &screen, const QSizeF &window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

QMargins expectedFrame(const QWidget &window)
{
    if (window.windowFlags() & Qt::FramelessWindowHint)
        return {};
    const QStyle *style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int caption = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return {border, caption + border, border, border};
}

void centreOnScreen(QWidget &window)
{
    if (window.isVisible()) {
        moveCentred(window, window.frameGeometry().size());
        return;
    }
    moveCentred(window, window.size().grownBy(expectedFrame(window)));
    new FirstShowCentring(window);
}
