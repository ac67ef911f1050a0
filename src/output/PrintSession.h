// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

class Dialogs;

// One print command's way to paper. Without a printer set up, the user may have the pages
// saved as a PDF file instead: asked once per command, the file chosen once, and every later
// job of the command goes into that file behind the earlier ones. A command creates one
// session and prints everything through it.
class PrintSession
{
public:
    // `pdfFileName` is the name the save dialog proposes in the working folder.
    PrintSession(Dialogs &dialogs, PrintService &printer, QString pdfFileName);

    // Sets the font once, then prints the jobs one after the other, each ended and handed
    // over. When a job cannot be printed or the PDF file cannot be written, a message box says
    // why and the rest is not printed; so does declining the PDF file. Returns whether every
    // job went out.
    bool print(const PrintFont &font, const QList<PrintJob> &jobs);

private:
    bool choosePdfFile();
    bool addToPdf(const PrintRun &run);

    Dialogs &m_dialogs;
    PrintService &m_printer;
    QString m_pdfFileName;
    QString m_pdfPath; // set once the pages go into a file
    QList<PrintRun> m_pdfRuns;
};
