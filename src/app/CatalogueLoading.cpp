// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueLoading.h"

#include "Form1.h"
#include "MODUL1.h"
#include "Program.h"
#include "editor/Form2.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace CatalogueLoading {

void startPractice(Program &program)
{
    Form1 &main = program.form1();
    Form2 &editor = program.form2();
    // Rows that do not exist are refused, so an empty catalogue stays without a selection.
    editor.Liste1->setListIndex(0);
    editor.Liste2->setListIndex(0);
    main.Liste2->setListIndex(0);
    setCaptionValue(main.Bezeichnung3, 0);
    setCaptionValue(main.Bezeichnung4, main.Liste2->count() - 1);
    setCaptionValue(main.Bezeichnung5, 0);
    main.Figur1->setWidthTwips(MODUL1::progressStart);
    setCaptionValue(main.Bezeichnung8, 0);
    setCaptionValue(main.Bezeichnung9, 0);
    MODUL1::ErsteFrageZeigen(program);
    MODUL1::AnzeigeAktualisieren(program);
}

void report(Program &program, const QString &fileName, qsizetype pairCount,
            const QString &readError)
{
    Dialogs &dialogs = program.dialogs();
    // Without this a file that could not be read would only show as "0" records.
    if (!readError.isEmpty())
        dialogs.messageBox(readError + u'\r', MsgBox::OkOnly, u"Dateifehler"_s);
    // The count stands with a blank in the place of its sign.
    dialogs.messageBox(u"Datensätze dieser Datei:  "_s + u' ' + QString::number(pairCount) + u'\r'
                               + u"Programmvoreinstellung:   "_s
                               + program.form1().Bezeichnung6->text() + u'\r',
                       MsgBox::OkOnly, fileName.toUpper());
}

} // namespace CatalogueLoading
