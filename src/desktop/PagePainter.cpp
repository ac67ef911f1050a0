// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

bool PagePainter::begin(QPagedPaintDevice &device)
{
    m_device = &device;
    m_nextTop = 0;
    const QPageLayout layout = device.pageLayout();
    device.setPageMargins(layout.minimumMargins(), layout.units());
    return m_painter.begin(&device);
}

bool PagePainter::paintLine(const QFont &font, int column, const QString &text)
{
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_device);
    if (m_nextTop > 0 && m_nextTop + metrics.height() > m_device->height() && !newPage())
        return false;
    const double left = column * metrics.horizontalAdvance(QLatin1Char(' '));
    m_painter.drawText(QPointF(left, m_nextTop + metrics.ascent()), text);
    m_nextTop += metrics.lineSpacing();
    return true;
}

bool PagePainter::newPage()
{
    m_nextTop = 0;
    return m_device->newPage();
}

bool PagePainter::end()
{
    return m_painter.end();
}

QFont printerFont(const QString &name, double points)
{
    QFont font(name);
    font.setPointSizeF(points);
    return font;
}
