// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>

class QPagedPaintDevice;

// Paints lines of text one below the other on the pages of a printer or a PDF file. The page
// origin is the top-left corner of the printable area, and nothing is painted outside it. A line
// that no longer fits goes on the next page whole.
class PagePainter
{
public:
    enum class Margins {
        // The printer's own minimum: its printable area, as far as it reaches.
        Printer,
        // A border like a typical printer's own unprintable one, since a PDF file is printed
        // later on a printer nobody knows yet, which would cut off what stands at the edge.
        PdfFile,
    };

    bool begin(QPagedPaintDevice &device, Margins margins);
    // Each returns whether the device took it.
    bool paintLine(const QFont &font, int column, const QString &text);
    bool newPage();
    bool end();

    bool isActive() const { return m_painter.isActive(); }

private:
    void clipToPrintableArea();

    QPagedPaintDevice *m_device = nullptr;
    QPainter m_painter;
    double m_nextTop = 0; // device pixels from the top of the printable area
};

// A font of the printer's fonts, by name and points.
QFont printerFont(const QString &name, double points);
