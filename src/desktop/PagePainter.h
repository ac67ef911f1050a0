// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

class QPagedPaintDevice;

// Paints lines of text one below the other on the pages of a printer or a PDF file. The page
// origin is the top-left corner of the printable area: the margins are the device's minimum,
// not the full page, whose edge a real printer cannot reach. A line that no longer fits goes
// on the next page whole.
class PagePainter
{
public:
    bool begin(QPagedPaintDevice &device);
    // Each returns whether the device took it.
    bool paintLine(const QFont &font, int column, const QString &text);
    bool newPage();
    bool end();

    bool isActive() const { return m_painter.isActive(); }

private:
    QPagedPaintDevice *m_device = nullptr;
    QPainter m_painter;
    double m_nextTop = 0; // device pixels from the top of the printable area
};

// A font of the printer's fonts, by name and points.
QFont printerFont(const QString &name, double points);
