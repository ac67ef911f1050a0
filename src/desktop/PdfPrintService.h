// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PainterPrintService.h"

#include <QStringList>

// Prints each job into a PDF file of its own on A4: the first job that holds a line goes to
// "<prefix>-1.pdf", the next to "<prefix>-2.pdf", and so on.
class PdfPrintService final : public PainterPrintService
{
public:
    explicit PdfPrintService(QString filePrefix);

    // The files written so far, in job order.
    const QStringList &files() const { return m_files; }

protected:
    std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) override;

private:
    QString m_filePrefix;
    QStringList m_files;
};
