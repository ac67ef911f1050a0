// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/DesktopServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The desktop finds the program's menu entry and icon by its desktop file name; the clipboard
// keeps line ends; without a default printer nothing is sent.
TEST(DesktopServices, TheClipboardKeepsLineEndsAndNoPrinterMeansNothingIsSent)
{
    describeApplication();
    EXPECT_EQ(QGuiApplication::desktopFileName(), u"de.zelmerkbold.Merkbold"_s);
    DesktopServices desktop;
    desktop.clipboard.replaceText(u"Größe\r\nÄpfel\r\n\r\n"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Größe\r\nÄpfel\r\n\r\n"_s);
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the test would print on it";
    desktop.printer.printLineAt(6, u"Welt"_s);
    EXPECT_EQ(desktop.printer.endDocument(), PrintOutcome::NoPrinter);
    EXPECT_EQ(desktop.printer.endDocument(), PrintOutcome::Done); // the next job starts afresh
}

} // namespace
