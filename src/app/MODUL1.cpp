// SPDX-License-Identifier: GPL-3.0-or-later
#include "MODUL1.h"

#include "CatalogueLoading.h"
#include "Form1.h"
#include "Program.h"
#include "WorkMode.h"
#include "catalogue/StandardPairs.h"
#include "editor/Form2.h"
#include "platform/Caption.h"
#include "platform/ListBox.h"

namespace MODUL1 {

void StandardfragenLaden(Program &program)
{
    Form2 &editor = program.form2();
    Form1 &main = program.form1();
    editor.Liste1->clear();
    editor.Liste2->clear();
    main.Liste2->clear();
    for (const StandardPair &pair : standardPairs) {
        editor.Liste1->addText(QString::fromUtf16(pair.question));
        editor.Liste2->addText(QString::fromUtf16(pair.answer));
        main.Liste2->addText(QString::fromUtf16(pair.answer));
    }
    // From here on the reset is what every freshly loaded catalogue goes through.
    CatalogueLoading::startPractice(program);
}

void ErsteFrageZeigen(Program &program)
{
    program.form1().Bezeichnung1->setText(program.form2().Liste1->text(0));
}

void AnzeigeAktualisieren(Program &program)
{
    Form1 &main = program.form1();
    const Form2 &editor = program.form2();
    if (WorkMode::isQuiz(main.Bezeichnung7)) {
        const int position = captionInt(main.Bezeichnung5);
        main.Bezeichnung2->setText(main.Liste2->text(position));
    }
    if (WorkMode::isLearn(main.Bezeichnung7)) {
        const int row = editor.Liste2->listIndex();
        main.Bezeichnung1->setText(editor.Liste1->text(row));
        main.Bezeichnung2->setText(editor.Liste2->text(row));
    }
}

} // namespace MODUL1
