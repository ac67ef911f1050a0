// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How a print job ended.
enum class PrintOutcome {
    Done,      // handed to the spooler, or dropped because it held no line
    NoPrinter, // no default printer is set up
    Refused,   // the printer or spooler would not take the job
};

// The printer as the outputs use it: one job after the other, each a run of lines from the top
// of the first page on, ended by endDocument(). Font name and size stay as set until changed,
// also from one job to the next.
class PrintService
{
public:
    virtual ~PrintService() = default;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;

    // One text as one line at the left margin; the next line starts below it.
    virtual void printLine(const QString &text) = 0;
    // One line that starts `column` space widths of the current font in from the left margin.
    virtual void printLineAt(int column, const QString &text) = 0;

    // Ends the job and hands it over. A job without a line is not sent, so no blank sheet
    // comes out. Lines printed after a failure are dropped; the failure is reported here.
    virtual PrintOutcome endDocument() = 0;
};
