// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopServices.h"

#include <QPrinterInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Without a default printer nothing is sent, and the next job starts afresh, empty.
TEST(DesktopServices, NoPrinterMeansNothingIsSent)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the test would print on it";
    DesktopServices desktop;
    desktop.printer.printLineAt(6, u"Welt"_s);
    EXPECT_EQ(desktop.printer.endDocument(), PrintOutcome::NoPrinter);
    EXPECT_EQ(desktop.printer.endDocument(), PrintOutcome::Done);
}

} // namespace
