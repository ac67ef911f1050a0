// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PagePainter.h"
#include "services/PrintService.h"

#include <QPrinter>
#include <memory>

// Paints each job on a QPrinter of its own, which the subclass provides, and the PDF file on
// A4 with the same painter. A job starts with its first line, so a job without a line never
// reaches the printer.
class PainterPrintService : public PrintService
{
public:
    ~PainterPrintService() override;

    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void printLine(const QString &text) override;
    void printLineAt(int column, const QString &text) override;
    PrintOutcome endDocument() override;
    QString writePdf(const QString &path, const QList<PrintRun> &runs) override;

protected:
    // The printer for a new job, or nullptr with the reason in `failure`.
    virtual std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) = 0;

private:
    void beginJob();
    void paintLine(int column, const QString &text);

    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;

    std::unique_ptr<QPrinter> m_printer;
    PagePainter m_pages;
    bool m_jobStarted = false;
    PrintOutcome m_jobOutcome = PrintOutcome::Done;
};
