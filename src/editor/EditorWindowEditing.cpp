// SPDX-License-Identifier: GPL-3.0-or-later
// Editing single pairs of the catalogue: taking a pair into the input boxes, adding a typed
// pair, emptying an input box, deleting the selected pair.
#include "EditorWindow.h"

#include "PairCommand.h"
#include "platform/ListBox.h"
#include "services/Dialogs.h"
#include "session/Session.h"

#include <QLineEdit>
#include <QUndoStack>

using namespace Qt::StringLiterals;

// The pair stays in the catalogue and stays selected.
void EditorWindow::takePairFrom(const ListBox *list)
{
    const int row = list->currentRow();
    m_questionInput->setText(m_questionList->text(row));
    m_answerInput->setText(m_answerList->text(row));
}

// A pair is refused when its question is already a question of the catalogue or its answer
// already an answer, whatever the other half: texts are compared exactly, case and blanks count.
void EditorWindow::addPair()
{
    const QString question = m_questionInput->text();
    const QString answer = m_answerInput->text();
    if (question.isEmpty() || answer.isEmpty()) {
        m_session.dialogs().messageBox(u"Frage und Antwort ausfüllen!\r"_s, BoxStyle::OkOnly,
                                       u"Dateifehler"_s);
        return;
    }
    if (m_questionList->contains(question) || m_answerList->contains(answer)) {
        m_session.dialogs().messageBox(u"Eintrag ist schon vorhanden!\r"_s, BoxStyle::OkOnly,
                                       u"Doppelter Eintrag"_s);
        return;
    }
    const int rowBefore = m_questionList->currentRow();
    m_questionList->addText(question);
    m_answerList->addText(answer);
    m_catalogueEdited = true;
    const int last = m_questionList->count() - 1;
    m_questionList->setCurrentRow(last);
    m_answerList->setCurrentRow(last);
    m_history->push(new PairCommand(PairCommand::Change::Added, catalogue(), last, question, answer,
                                    rowBefore, m_catalogueEdited));
    m_questionInput->clear();
    m_answerInput->clear();
}

void EditorWindow::clearQuestion()
{
    m_questionInput->clear();
}

void EditorWindow::clearAnswer()
{
    m_answerInput->clear();
}

// The selection goes back to the first pair, not to a neighbour of the deleted one.
void EditorWindow::deletePair()
{
    const int row = m_questionList->currentRow();
    if (row < 0)
        return;
    const QString question = m_questionList->text(row);
    const QString answer = m_answerList->text(row);
    m_questionList->removeText(row);
    m_answerList->removeText(row);
    m_catalogueEdited = true;
    if (m_questionList->count() > 0)
        m_questionList->setCurrentRow(0);
    if (m_answerList->count() > 0)
        m_answerList->setCurrentRow(0);
    m_history->push(new PairCommand(PairCommand::Change::Deleted, catalogue(), row, question,
                                    answer, row, m_catalogueEdited));
}
