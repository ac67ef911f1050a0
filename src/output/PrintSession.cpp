// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintSession.h"

#include "services/Dialogs.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString printTitle = u"Drucken"_s;
constexpr BoxStyles troubleStyle = BoxStyle::WarningIcon;

void sendLines(PrintService &printer, const PrintJob &job)
{
    for (const PrintedLine &line : job) {
        if (line.indented)
            printer.printLineAt(indentColumn, line.text);
        else
            printer.printLine(line.text);
    }
}

void setFont(PrintService &printer, const PrintFont &font)
{
    printer.setFontName(font.name);
    printer.setFontSize(font.points);
}

QString refusedPrompt()
{
    return u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s;
}

} // namespace

PrintSession::PrintSession(Dialogs &dialogs, PrintService &printer, QString pdfFileName)
    : m_dialogs(dialogs), m_printer(printer), m_pdfFileName(std::move(pdfFileName))
{ }

bool PrintSession::print(const PrintFont &font, const QList<PrintJob> &jobs)
{
    if (!m_pdfPath.isEmpty())
        return addToPdf({font, jobs});
    setFont(m_printer, font);
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        sendLines(m_printer, jobs[i]);
        switch (m_printer.endDocument()) {
        case PrintOutcome::Done:
            break;
        case PrintOutcome::NoPrinter:
            return choosePdfFile() && addToPdf({font, jobs.mid(i)});
        case PrintOutcome::Refused:
            m_dialogs.messageBox(refusedPrompt(), troubleStyle, printTitle);
            return false;
        }
    }
    return true;
}

bool PrintSession::choosePdfFile()
{
    if (m_dialogs.messageBox(u"Es ist kein Drucker eingerichtet.\r"
                             u"Sollen die Seiten als PDF-Datei gespeichert werden?\r"_s,
                             BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault,
                             printTitle)
        != BoxAnswer::Yes)
        return false;
    m_pdfPath = m_dialogs.saveFileName(u"Als PDF-Datei speichern"_s,
                                       QDir::current().absoluteFilePath(m_pdfFileName),
                                       u"PDF-Dateien (*.pdf *.PDF)"_s);
    return !m_pdfPath.isEmpty();
}

// The file is written anew with all the pages of the command each time: it is complete, or the
// old file is still in place, before the command reports a side as done.
bool PrintSession::addToPdf(const PrintRun &run)
{
    m_pdfRuns.append(run);
    const QString error = m_printer.writePdf(m_pdfPath, m_pdfRuns);
    if (error.isEmpty())
        return true;
    m_dialogs.messageBox(u"Die PDF-Datei wurde nicht gespeichert.\r"_s + error + u'\r',
                         BoxStyle::OkOnly, u"Dateifehler"_s);
    return false;
}
