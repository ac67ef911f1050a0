// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

#include <QList>
#include <QString>

class Dialogs;

// One printed line; an indented one starts indentColumn space widths in from the margin.
struct PrintedLine
{
    QString text;
    bool indented = false;

    friend bool operator==(const PrintedLine &, const PrintedLine &) = default;
};

// The lines of one print job, in order.
using PrintJob = QList<PrintedLine>;

struct PrintFont
{
    QString name;
    double points = 0;
};

// One measure for every indented line of every output.
inline constexpr int indentColumn = 6;

// Sets the font once, then prints the jobs one after the other, each ended and handed over.
// When a job cannot be printed, a message box says why and the rest is not printed. Returns
// whether every job went out.
bool printJobs(Dialogs &dialogs, PrintService &printer, const PrintFont &font,
               const QList<PrintJob> &jobs);
