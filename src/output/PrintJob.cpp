// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintJob.h"

#include "services/Dialogs.h"

using namespace Qt::StringLiterals;

namespace {

QString failurePrompt(PrintOutcome outcome)
{
    if (outcome == PrintOutcome::NoPrinter)
        return u"Kein Drucker verfügbar: Es ist kein Standarddrucker eingerichtet.\r"_s;
    return u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s;
}

} // namespace

bool printJobs(Dialogs &dialogs, PrintService &printer, const PrintFont &font,
               const QList<PrintJob> &jobs)
{
    printer.setFontName(font.name);
    printer.setFontSize(font.points);
    for (const PrintJob &job : jobs) {
        for (const PrintedLine &line : job) {
            if (line.indented)
                printer.printLineAt(indentColumn, line.text);
            else
                printer.printLine(line.text);
        }
        const PrintOutcome outcome = printer.endDocument();
        if (outcome != PrintOutcome::Done) {
            dialogs.messageBox(failurePrompt(outcome), MsgBox::OkOnly | MsgBox::Exclamation,
                               u"Drucken"_s);
            return false;
        }
    }
    return true;
}
