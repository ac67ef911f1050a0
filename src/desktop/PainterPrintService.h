// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

// Paints each job on a QPrinter of its own, which the subclass provides. The page origin is
// the top-left corner of the printable area: the margins are the printer's minimum, not the
// full page, whose edge a real printer cannot reach. A job starts with its first line, so a
// job without a line never reaches the printer.
class PainterPrintService : public PrintService
{
public:
    ~PainterPrintService() override;

    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void printLine(const QString &text) override;
    void printLineAt(int column, const QString &text) override;
    PrintOutcome endDocument() override;

protected:
    // The printer for a new job, or nullptr with the reason in `failure`.
    virtual std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) = 0;

private:
    void beginJob();
    void paintLine(int column, const QString &text);

    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 12;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    bool m_jobStarted = false;
    PrintOutcome m_jobOutcome = PrintOutcome::Done;
    double m_nextTop = 0; // device pixels from the top of the printable area
};
