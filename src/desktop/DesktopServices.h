// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Services.h"
#include "QtClipboardService.h"
#include "SystemPrintService.h"
#include "QtDialogs.h"
#include "QtSpeechService.h"
#include "services/RandomSource.h"

// The services of a real desktop run: boxes on screen, the system's printer and clipboard.
struct DesktopServices
{
    QtDialogs dialogs;
    ClockRandomSource random;
    SystemPrintService printer;
    QtClipboardService clipboard;
    QtSpeechService speech;

    Services services() { return {dialogs, random, printer, clipboard, speech}; }
};

// What every desktop start of the program sets first.
void describeApplication();
