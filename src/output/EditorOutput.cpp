// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorOutput.h"

#include "PrintSession.h"

#include "services/ClipboardService.h"
#include "services/Dialogs.h"

using namespace Qt::StringLiterals;

void produceEditorOutput(EditorLayout layout, OutputMode mode, const QStringList &questions,
                         const QStringList &answers, const OutputServices &services)
{
    if (mode == OutputMode::Copy) {
        services.clipboard.replaceText(editorLayoutText(layout, questions, answers));
        services.dialogs.messageBox(u"Daten wurden kopiert ..."_s, BoxStyle::OkOnly, u"Kopieren"_s);
        return;
    }
    PrintSession session(services.dialogs, services.printer, u"LISTE.PDF"_s);
    if (session.print(editorLayoutFont, editorLayoutJobs(layout, questions, answers)))
        services.dialogs.messageBox(u"Daten werden gedruckt ..."_s, BoxStyle::OkOnly, u"Drucken"_s);
}
