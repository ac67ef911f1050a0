// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorLayouts.h"

class ClipboardService;
class Dialogs;
class PrintService;

// What the layout list does on a double-click: its colours tell which.
enum class OutputMode { Print, Copy };

struct OutputServices
{
    Dialogs &dialogs;
    PrintService &printer;
    ClipboardService &clipboard;
};

// The whole catalogue in one layout, printed or put on the clipboard, then the closing message
// ("Daten werden gedruckt ..." or "Daten wurden kopiert ..."). A print that fails shows its
// reason instead of the closing message. Without a printer the pages may go into a PDF file,
// proposed as LISTE.PDF.
void produceEditorOutput(EditorLayout layout, OutputMode mode, const QStringList &questions,
                         const QStringList &answers, const OutputServices &services);
