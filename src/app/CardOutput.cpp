// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's output of the current cards: on paper, questions on the front of the
// sheet and answers on its back, or on the clipboard.
#include "MainWindow.h"

#include "Program.h"
#include "editor/EditorWindow.h"
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

void MainWindow::wireCardOutput()
{
    connect(copyButton, &PictureButton::clicked, this, &MainWindow::copyCards);
    connect(printButton, &PictureButton::clicked, this, &MainWindow::printCards);
}

// The cards are as many as the choice list offers answers, counted anew for each side.
void MainWindow::printCards()
{
    Dialogs &dialogs = m_program.dialogs();
    EditorWindow &editor = m_program.editorWindow();
    // Ticked (1) and greyed (2) both allow printing.
    if (editor.allowPrinting->value() == 0) {
        dialogs.messageBox(u"Druckfunktion wurde gesperrt.\r"_s, MsgBox::OkOnly,
                           u"Datei drucken"_s);
        return;
    }
    if (dialogs.messageBox(u"Fragen für Vorderseite drucken?\r"_s, printQuestionStyle, u"Drucken"_s)
        != MsgBox::Yes)
        return;
    if (!printCardSide(m_program, editor.questionList->texts(), choiceList->count()))
        return;
    dialogs.messageBox(u"Die Fragen werden gedruckt.\r"_s, MsgBox::OkOnly, u"Drucken ..."_s);
    // The user turns the sheet over before answering.
    if (dialogs.messageBox(u"Antworten für Rückseite drucken?\r"_s, printQuestionStyle,
                           u"Drucken"_s)
        != MsgBox::Yes)
        return;
    if (!printCardSide(m_program, editor.answerList->texts(), choiceList->count()))
        return;
    dialogs.messageBox(u"Die Antworten werden gedruckt.\r"_s, MsgBox::OkOnly, u"Drucken ..."_s);
}

void MainWindow::copyCards()
{
    const int count = choiceList->count();
    if (count < 1)
        return;
    const EditorWindow &editor = m_program.editorWindow();
    m_program.clipboard().replaceText(flashCardClipboardText(editor.questionList->texts(),
                                                             editor.answerList->texts(), count));
    m_program.dialogs().messageBox(u"Fragen und Antworten wurden kopiert.\r"_s, MsgBox::OkOnly,
                                   u"Ablage"_s);
}
