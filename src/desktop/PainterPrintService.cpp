// SPDX-License-Identifier: GPL-3.0-or-later
#include "PainterPrintService.h"

#include "catalogue/FileAccess.h"

#include <QPdfWriter>

using namespace Qt::StringLiterals;

PainterPrintService::~PainterPrintService()
{
    if (m_pages.isActive())
        m_pages.end();
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
    PrintOutcome failure = PrintOutcome::Refused;
    m_printer = createPrinter(failure);
    if (!m_printer) {
        m_jobOutcome = failure;
        return;
    }
    m_printer->setFullPage(false);
    if (!m_pages.begin(*m_printer, PagePainter::Margins::Printer))
        m_jobOutcome = PrintOutcome::Refused;
}

void PainterPrintService::paintLine(int column, const QString &text)
{
    if (!m_jobStarted)
        beginJob();
    if (m_jobOutcome == PrintOutcome::Done
        && !m_pages.paintLine(printerFont(m_fontName, m_fontSize), column, text))
        m_jobOutcome = PrintOutcome::Refused;
}

PrintOutcome PainterPrintService::endDocument()
{
    PrintOutcome outcome = m_jobOutcome;
    if (m_pages.isActive() && !m_pages.end() && outcome == PrintOutcome::Done)
        outcome = PrintOutcome::Refused;
    if (m_printer && m_printer->printerState() == QPrinter::Error && outcome == PrintOutcome::Done)
        outcome = PrintOutcome::Refused;
    m_printer.reset();
    m_jobStarted = false;
    m_jobOutcome = PrintOutcome::Done;
    return outcome;
}

QString PainterPrintService::writePdf(const QString &path, const QList<PrintRun> &runs)
{
    return writeFileAtomically(path, [&runs](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(u"ZEL-Merkbold"_s);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        PagePainter pages;
        if (!pages.begin(pdf, PagePainter::Margins::PdfFile))
            return false;
        bool pageUsed = false;
        for (const PrintRun &run : runs) {
            const QFont font = printerFont(run.font.name, run.font.points);
            for (const PrintJob &job : run.jobs) {
                if (job.isEmpty())
                    continue;
                if (pageUsed && !pages.newPage())
                    return false;
                pageUsed = true;
                for (const PrintedLine &line : job) {
                    if (!pages.paintLine(font, line.indented ? indentColumn : 0, line.text))
                        return false;
                }
            }
        }
        return pages.end();
    });
}
