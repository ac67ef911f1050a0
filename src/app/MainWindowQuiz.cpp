// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz itself: judging answers, paging, the work mode, the way back to the standard
// questions.
#include "MainWindow.h"

#include "platform/ListBox.h"
#include "platform/Palette.h"
#include "quiz/WorkMode.h"
#include "services/Dialogs.h"
#include "session/ProgramTitle.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void MainWindow::confirmAnswer()
{
    QuizState quiz = quizState();
    if (quiz.isLearnMode())
        return;
    CatalogueLists catalogue = m_session.catalogue();
    if (!QuizRules::isRightAnswer(quiz.shownAnswer(), catalogue.answers().text(0))) {
        m_session.dialogs().messageBox(u"Leider falsch, versuch's nochmal!\r"_s, BoxStyle::OkOnly,
                                       u"F e h l e r"_s);
        quiz.setWrongCount(quiz.wrongCount() + 1);
        return;
    }
    if (catalogue.questions().count() > 0) {
        catalogue.useUpCurrentPair();
        quiz.setRightInSet(quiz.rightInSet() + 1);
        if (QuizRules::isPracticeSetDone(quiz.rightInSet(), quiz.questionCount()))
            QuizProcedures::buildPracticeSet(m_session);
    }
    quiz.showQuestion(catalogue.questions().text(0));
    quiz.setRightCount(quiz.rightCount() + 1);
    quiz.setProgress(quiz.progress() + QuizRules::progressStep(quiz.lastChoiceRow()));
    if (catalogue.questions().count() == 0) {
        m_session.dialogs().messageBox(u"Es wurden alle Fragen beantwortet.\r"_s, BoxStyle::OkOnly,
                                       u"Fragekatalog"_s);
        quiz.showStandardNotice();
        QuizProcedures::loadStandardQuestions(m_session);
        QuizProcedures::showFirstQuestion(m_session);
        QuizProcedures::refreshDisplay(m_session);
        setWindowTitle(programTitle);
    }
}

// Quiz mode pages through the offered answers, learn mode through the pairs of the catalogue.
void MainWindow::page(QuizRules::Paging paging)
{
    QuizState quiz = quizState();
    if (quiz.isQuizMode())
        quiz.setBrowsePosition(QuizRules::pagedBrowsePosition(quiz.browsePosition(),
                                                              quiz.lastChoiceRow(), paging));
    if (quiz.isLearnMode()) {
        ListBox &answers = m_session.catalogue().answers();
        // On an empty catalogue there is no row to go to; the list refuses it.
        answers.setCurrentRow(
                QuizRules::pagedLearnRow(answers.currentRow(), answers.count(), paging));
    }
    QuizProcedures::refreshDisplay(m_session);
}

void MainWindow::goBack()
{
    page(QuizRules::Paging::Back);
}

void MainWindow::goForward()
{
    page(QuizRules::Paging::Forward);
}

void MainWindow::restoreStandardQuestions()
{
    QuizProcedures::loadStandardQuestions(m_session);
    m_standardNotice->show();
}

// Quiz answers are white once learn mode has been visited, green before and in learn mode.
void MainWindow::switchWorkMode()
{
    CatalogueLists catalogue = m_session.catalogue();
    // Learn mode always starts at the first pair; an empty catalogue has none to select.
    catalogue.questions().setCurrentRow(0);
    catalogue.answers().setCurrentRow(0);
    QuizState quiz = quizState();
    const bool toLearnMode = quiz.isQuizMode();
    quiz.setWorkMode(toLearnMode ? WorkMode::learn : WorkMode::quiz);
    m_answerDisplay->setStyleSheet(u"color: %1; background-color: %2;"_s.arg(
            QColor(toLearnMode ? Palette::green : Palette::white).name(),
            QColor(Palette::purple).name()));
    if (!toLearnMode)
        QuizProcedures::showFirstQuestion(m_session);
    QuizProcedures::refreshDisplay(m_session);
}
