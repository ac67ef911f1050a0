// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemPrintService.h"

#include <QPrinterInfo>

// QPrinter::isValid() holds for a printer object without any real printer behind it, so the
// test is whether a default printer is set up at all; a refusal shows when painting begins.
std::unique_ptr<QPrinter> SystemPrintService::createPrinter(PrintOutcome &failure)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        failure = PrintOutcome::NoPrinter;
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(defaultPrinter, QPrinter::HighResolution);
    printer->setDocName(QStringLiteral("ZEL-Merkbold"));
    return printer;
}
