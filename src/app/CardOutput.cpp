// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's output of the current cards: on paper, questions on the front of the
// sheet and answers on its back, or on the clipboard.
#include "Form1.h"

#include "Program.h"
#include "editor/Form2.h"
#include "output/ClipboardService.h"
#include "output/FlashCards.h"
#include "platform/CheckBox.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int printQuestionStyle = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;

bool printCardSide(Program &program, const QStringList &catalogueHalf, int count)
{
    return printJobs(program.dialogs(), program.printer(), flashCardFont,
                     {flashCardJob(catalogueHalf, count)});
}

} // namespace

void Form1::wireCardOutput()
{
    connect(Bild11, &PictureButton::clicked, this, &Form1::Bild11_Click);
    connect(Bild15, &PictureButton::clicked, this, &Form1::Bild15_Click);
}

// The cards are as many as the choice list offers answers, counted anew for each side.
void Form1::Bild15_Click()
{
    Dialogs &dialogs = m_program.dialogs();
    Form2 &editor = m_program.form2();
    // Ticked (1) and greyed (2) both allow printing.
    if (editor.Kontroll1->value() == 0) {
        dialogs.messageBox(u"Druckfunktion wurde gesperrt.\r"_s, MsgBox::OkOnly,
                           u"Datei drucken"_s);
        return;
    }
    if (dialogs.messageBox(u"Fragen für Vorderseite drucken?\r"_s, printQuestionStyle, u"Drucken"_s)
        != MsgBox::Yes)
        return;
    if (!printCardSide(m_program, editor.Liste1->texts(), Liste2->count()))
        return;
    dialogs.messageBox(u"Die Fragen werden gedruckt.\r"_s, MsgBox::OkOnly, u"Drucken ..."_s);
    // The user turns the sheet over before answering.
    if (dialogs.messageBox(u"Antworten für Rückseite drucken?\r"_s, printQuestionStyle,
                           u"Drucken"_s)
        != MsgBox::Yes)
        return;
    if (!printCardSide(m_program, editor.Liste2->texts(), Liste2->count()))
        return;
    dialogs.messageBox(u"Die Antworten werden gedruckt.\r"_s, MsgBox::OkOnly, u"Drucken ..."_s);
}

void Form1::Bild11_Click()
{
    const int count = Liste2->count();
    if (count < 1)
        return;
    const Form2 &editor = m_program.form2();
    m_program.clipboard().replaceText(
            flashCardClipboardText(editor.Liste1->texts(), editor.Liste2->texts(), count));
    m_program.dialogs().messageBox(u"Fragen und Antworten wurden kopiert.\r"_s, MsgBox::OkOnly,
                                   u"Ablage"_s);
}
