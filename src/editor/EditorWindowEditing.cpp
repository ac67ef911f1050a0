// SPDX-License-Identifier: GPL-3.0-or-later
// Editing single pairs of the catalogue: taking a pair into the input boxes, adding a typed
// pair, emptying an input box, deleting the selected pair.
#include "EditorWindow.h"

#include "session/Session.h"
#include "services/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void EditorWindow::wireEditing()
{
    connect(questionList, &ListBox::rowDoubleClicked, this, &EditorWindow::takePairFromQuestions);
    connect(answerList, &ListBox::rowDoubleClicked, this, &EditorWindow::takePairFromAnswers);
    connect(addPairButton, &PictureButton::clicked, this, &EditorWindow::addPair);
    connect(clearQuestionButton, &PictureButton::clicked, this, &EditorWindow::clearQuestion);
    connect(clearAnswerButton, &PictureButton::clicked, this, &EditorWindow::clearAnswer);
    connect(deletePairButton, &PictureButton::clicked, this, &EditorWindow::deletePair);
}

// The pair stays in the catalogue and stays selected.
void EditorWindow::takePairFrom(const ListBox *list)
{
    const int row = list->currentRow();
    questionInput->setText(questionList->text(row));
    answerInput->setText(answerList->text(row));
}

void EditorWindow::takePairFromQuestions()
{
    takePairFrom(questionList);
}

void EditorWindow::takePairFromAnswers()
{
    takePairFrom(answerList);
}

// A pair is refused when its question is already a question of the catalogue or its answer
// already an answer, whatever the other half: texts are compared exactly, case and blanks count.
void EditorWindow::addPair()
{
    const QString question = questionInput->text();
    const QString answer = answerInput->text();
    if (question.isEmpty() || answer.isEmpty()) {
        m_session.dialogs().messageBox(u"Frage und Antwort ausfüllen!\r"_s, BoxStyle::OkOnly,
                                       u"Dateifehler"_s);
        return;
    }
    if (questionList->contains(question) || answerList->contains(answer)) {
        m_session.dialogs().messageBox(u"Eintrag ist schon vorhanden!\r"_s, BoxStyle::OkOnly,
                                       u"Doppelter Eintrag"_s);
        return;
    }
    questionList->addText(question);
    answerList->addText(answer);
    m_catalogueEdited = true;
    const int last = questionList->count() - 1;
    questionList->setCurrentRow(last);
    answerList->setCurrentRow(last);
    questionInput->clear();
    answerInput->clear();
}

void EditorWindow::clearQuestion()
{
    questionInput->clear();
}

void EditorWindow::clearAnswer()
{
    answerInput->clear();
}

// The selection goes back to the first pair, not to a neighbour of the deleted one.
void EditorWindow::deletePair()
{
    const int row = questionList->currentRow();
    if (row < 0)
        return;
    questionList->removeText(row);
    answerList->removeText(row);
    m_catalogueEdited = true;
    if (questionList->count() > 0)
        questionList->setCurrentRow(0);
    if (answerList->count() > 0)
        answerList->setCurrentRow(0);
}
