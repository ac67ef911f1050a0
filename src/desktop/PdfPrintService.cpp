// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfPrintService.h"

#include <QPageSize>

using namespace Qt::StringLiterals;

PdfPrintService::PdfPrintService(QString filePrefix) : m_filePrefix(std::move(filePrefix)) { }

std::unique_ptr<QPrinter> PdfPrintService::createPrinter(PrintOutcome &)
{
    const QString file = u"%1-%2.pdf"_s.arg(m_filePrefix).arg(m_files.size() + 1);
    m_files.append(file);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}
