// SPDX-License-Identifier: GPL-3.0-or-later
#include "PainterPrintService.h"

#include <QFontMetricsF>

PainterPrintService::~PainterPrintService()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PainterPrintService::setFontName(const QString &name)
{
    m_fontName = name;
}

void PainterPrintService::setFontSize(double points)
{
    m_fontSize = points;
}

void PainterPrintService::printLine(const QString &text)
{
    paintLine(0, text);
}

void PainterPrintService::printLineAt(int column, const QString &text)
{
    paintLine(column, text);
}

void PainterPrintService::beginJob()
{
    m_jobStarted = true;
    m_nextTop = 0;
    PrintOutcome failure = PrintOutcome::Refused;
    m_printer = createPrinter(failure);
    if (!m_printer) {
        m_jobOutcome = failure;
        return;
    }
    m_printer->setFullPage(false);
    const QPageLayout layout = m_printer->pageLayout();
    m_printer->setPageMargins(layout.minimumMargins(), layout.units());
    if (!m_painter.begin(m_printer.get()))
        m_jobOutcome = PrintOutcome::Refused;
}

void PainterPrintService::paintLine(int column, const QString &text)
{
    if (!m_jobStarted)
        beginJob();
    if (m_jobOutcome != PrintOutcome::Done)
        return;

    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_printer.get());

    if (m_nextTop > 0 && m_nextTop + metrics.height() > m_printer->height()) {
        if (!m_printer->newPage()) {
            m_jobOutcome = PrintOutcome::Refused;
            return;
        }
        m_nextTop = 0;
    }
    const double left = column * metrics.horizontalAdvance(QLatin1Char(' '));
    m_painter.drawText(QPointF(left, m_nextTop + metrics.ascent()), text);
    m_nextTop += metrics.lineSpacing();
}

PrintOutcome PainterPrintService::endDocument()
{
    PrintOutcome outcome = m_jobOutcome;
    if (m_painter.isActive() && !m_painter.end() && outcome == PrintOutcome::Done)
        outcome = PrintOutcome::Refused;
    if (m_printer && m_printer->printerState() == QPrinter::Error && outcome == PrintOutcome::Done)
        outcome = PrintOutcome::Refused;
    m_printer.reset();
    m_jobStarted = false;
    m_jobOutcome = PrintOutcome::Done;
    return outcome;
}
