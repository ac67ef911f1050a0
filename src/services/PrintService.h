// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// How a print job ended.
enum class PrintOutcome {
    Done,      // handed to the spooler, or dropped because it held no line
    NoPrinter, // no default printer is set up
    Refused,   // the printer or spooler would not take the job
};

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

    friend bool operator==(const PrintFont &, const PrintFont &) = default;
};

// One measure for every indented line of every output.
inline constexpr int indentColumn = 6;

// Jobs printed one after the other in one font.
struct PrintRun
{
    PrintFont font;
    QList<PrintJob> jobs;

    friend bool operator==(const PrintRun &, const PrintRun &) = default;
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

    // The pages the printer would get for these jobs, in one PDF file instead: each job with
    // a line starts on a new page, as it would start on a sheet of its own. A file already
    // there is replaced only once the new one is complete. Returns the German reason of a
    // failure, or "" when the file is written.
    virtual QString writePdf(const QString &path, const QList<PrintRun> &runs) = 0;
};
