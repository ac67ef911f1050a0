// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PainterPrintService.h"

// Prints on the system's default printer through its spooler (CUPS on Linux).
class SystemPrintService final : public PainterPrintService
{
protected:
    std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) override;
};
