// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {

// At least 5 mm, in whole points, since the PDF engine places its printable area on whole
// points: 15 pt are 5.3 mm.
constexpr double pdfMarginPoints = 15;

} // namespace

bool PagePainter::begin(QPagedPaintDevice &device, Margins margins)
{
    m_device = &device;
    m_nextTop = 0;
    const QPageLayout layout = device.pageLayout();
    if (margins == Margins::PdfFile)
        device.setPageMargins(
                QMarginsF(pdfMarginPoints, pdfMarginPoints, pdfMarginPoints, pdfMarginPoints),
                QPageLayout::Point);
    else
        device.setPageMargins(layout.minimumMargins(), layout.units());
    if (!m_painter.begin(&device))
        return false;
    clipToPrintableArea();
    return true;
}

// A text too long for its line is not wrapped; it ends at the margin, not beyond.
void PagePainter::clipToPrintableArea()
{
    m_painter.setClipRect(QRect(0, 0, m_device->width(), m_device->height()));
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
    if (!m_device->newPage())
        return false;
    clipToPrintableArea();
    return true;
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
