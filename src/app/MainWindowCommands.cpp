// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: quitting, the editor, help, the question count, the rates, the
// about box and the flash cards.
#include "MainWindow.h"

#include "FlashCardOutput.h"
#include "HelpPanel.h"
#include "quiz/NumericValue.h"
#include "services/Dialogs.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QCloseEvent>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString keyboardPrompt = u"Pfeiltasten zum Blättern\r"
                               u"Enter/Return für Eingabe\r"
                               u"Esc für das Programmende\r"
                               u"Ins für den Moduswechsel\r"
                               u"F1 für dieses Hilfefenster\r"_s;

constexpr double fewestQuestions = 10;
constexpr double mostQuestions = 50;

void reportRate(Session &session, double part, double other, const QString &sentence,
                const QString &title)
{
    if (part < 1)
        return;
    session.dialogs().messageBox(
            u"%1 %2 Prozent.\r"_s.arg(sentence, numberText(QuizRules::ratePercent(part, other))),
            BoxStyle::OkOnly, title);
}

} // namespace

// "No" is the default button, so a hasty Enter keeps the program running.
bool MainWindow::quitConfirmed()
{
    return m_session.dialogs().messageBox(
                   u"Das Programm beenden?\r"_s,
                   BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault, u"ZEL-Merkbold"_s)
            == BoxAnswer::Yes;
}

// Nothing is saved on the way out; the settings file is written only by the editor.
void MainWindow::quit()
{
    if (quitConfirmed())
        m_session.endProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!quitConfirmed()) {
        event->ignore();
        return;
    }
    event->accept();
    m_session.endProgram();
}

void MainWindow::openEditor()
{
    const QString typed =
            m_session.dialogs().inputBox(u"Passwort"_s, u"Bitte eingeben:"_s, QString());
    if (typed.isEmpty() || typed != m_questionDisplay->text())
        return;
    m_session.showEditor();
}

// The keyboard message opens together with the panel, every time.
void MainWindow::toggleHelp()
{
    if (m_helpPanel->isClosed()) {
        m_helpPanel->open();
        m_session.dialogs().messageBox(keyboardPrompt, BoxStyle::OkOnly, u"Tastaturbenutzung"_s);
    } else {
        m_helpPanel->close();
    }
}

// Whatever comes back is taken by its leading number, so Cancel and nonsense both give the
// lowest count. The count is written with a point for a fraction whatever the locale, so that
// "12.5" reads back as 12.5 and not as 12. Every answer starts a new practice set.
void MainWindow::askQuestionCount()
{
    QuizState quiz = quizState();
    const QString typed = m_session.dialogs().inputBox(
            u"Anzahl der gleichzeitig geladenen Fragen und Antworten (10 bis 50):"_s,
            u"Maximale Fragenzahl"_s, quiz.questionCountText());
    quiz.setQuestionCount(std::clamp(numericValue(typed), fewestQuestions, mostQuestions));
    QuizProcedures::buildPracticeSet(m_session);
}

void MainWindow::showErrorRate()
{
    reportRate(m_session, quizState().wrongCount(), quizState().rightCount(),
               u"Deine Fehlerquote beträgt"_s, u"Fehlerquote"_s);
}

void MainWindow::showSolutionRate()
{
    reportRate(m_session, quizState().rightCount(), quizState().wrongCount(),
               u"Deine Lösungsquote beträgt"_s, u"Lösungsquote"_s);
}

// Shown again, an open about box comes to the front and places itself anew.
void MainWindow::showAboutBox()
{
    m_session.showAboutBox();
}

void MainWindow::printCards()
{
    FlashCardOutput(m_session).print();
}

void MainWindow::copyCards()
{
    FlashCardOutput(m_session).copy();
}
