// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's help message and the two ways back to the quiz.
#include "EditorWindow.h"

#include "session/QuizProcedures.h"
#include "platform/ListBox.h"
#include "session/Session.h"
#include "services/Dialogs.h"

using namespace Qt::StringLiterals;

// The red cross is "Abbruch", the green tick "Abbruch mit Laden".
void EditorWindow::showHelp()
{
    m_session.dialogs().messageBox(u"Beim Abbruch mit dem roten Kreuz wird die Datei\r"
                                   u"nicht übernommen, jedoch beim grünen Häkchen.\r"
                                   u"Die Standarddatei wird bei geöffneter Dateiliste\r"
                                   u"markiert und mit Klicken auf das Feld zugewiesen.\r"_s,
                                   BoxStyle::OkOnly, u"Hilfe Editor"_s);
}

// The only place the settings are written. Whatever the lists held is gone unless it was saved.
void EditorWindow::leaveToStandardQuestions()
{
    writeSettings();
    m_session.showQuiz();
    QuizProcedures::loadStandardQuestions(m_session);
    m_catalogueEdited = false;
    m_session.quizState().showStandardNotice();
}

// The catalogue stays the live one. The practice set under way goes on (choice list, counters
// and progress as they were) unless pairs were added or deleted or the catalogue emptied: then
// the choice list may not hold the answers of the questions being asked, and a new practice
// set is built over the edited catalogue. The main window loads no file here: one chosen in the
// editor's list would replace the catalogue the user asked to keep.
void EditorWindow::leaveWithCatalogue()
{
    if (m_catalogueEdited) {
        catalogue().guessLanguages();
        QuizProcedures::buildPracticeSet(m_session);
        m_catalogueEdited = false;
    }
    // Learn mode shows the selected pair; the first question is shown next, so the pair shown
    // must be the first one too, or a question would stand above another question's answer.
    if (m_session.quizState().isLearnMode()) {
        m_questionList->setCurrentRow(0);
        m_answerList->setCurrentRow(0);
    }
    QuizProcedures::refreshDisplay(m_session);
    QuizProcedures::showFirstQuestion(m_session);
    m_session.showQuiz();
}
