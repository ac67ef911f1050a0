// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz itself: building practice sets, judging answers, paging, the work mode.
#include "MainWindow.h"
#include "QuizProcedures.h"
#include "Program.h"
#include "ProgramTitle.h"
#include "WorkMode.h"
#include "editor/EditorWindow.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/RandomSource.h"
#include "platform/Shape.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Right answers of one practice set together grow the bar by this many twips.
constexpr double progressSpan = 8900;

void increment(QLabel *counter)
{
    setCaptionValue(counter, captionValue(counter) + 1);
}

} // namespace

// The answers of the first N pairs go into the choice list at random rows. A new answer is
// never put behind the last row, so the answer of the first question always ends up last,
// one "Zurück" away from the start.
void MainWindow::buildPracticeSet()
{
    RandomSource &random = m_program.random();
    const ListBox *answers = m_program.editorWindow().answerList;
    random.reseedFromClock();
    setCaptionValue(rightInSetLabel, 0);
    choiceList->clear();
    const double wanted = captionValue(questionCountLabel);
    int taken = 0;
    for (int i = 0; i < answers->count(); ++i) {
        const int row = int(std::floor(i * random.next()));
        choiceList->insertText(row, answers->text(i));
        ++taken;
        if (taken >= wanted)
            break;
    }
    EditorWindow &editor = m_program.editorWindow();
    if (editor.questionList->count() > 0) {
        editor.questionList->setListIndex(0);
        editor.answerList->setListIndex(0);
        choiceList->setListIndex(0);
        setCaptionValue(rightInSetLabel, 0);
        setCaptionValue(lastChoiceRowLabel, choiceList->count() - 1);
        setCaptionValue(browsePositionLabel, 0);
        progressBar->setWidthTwips(QuizProcedures::progressStart);
        QuizProcedures::showFirstQuestion(m_program);
        QuizProcedures::refreshDisplay(m_program);
    }
}

void MainWindow::confirmAnswer()
{
    if (WorkMode::isLearn(workModeLabel))
        return;
    EditorWindow &editor = m_program.editorWindow();
    if (answerDisplay->text() != editor.answerList->text(0)) {
        m_program.dialogs().messageBox(u"Leider falsch, versuch's nochmal!\r"_s, MsgBox::OkOnly,
                                       u"F e h l e r"_s);
        increment(wrongCountLabel);
        return;
    }
    if (editor.questionList->count() > 0) {
        editor.questionList->removeText(0);
        editor.answerList->removeText(0);
        increment(rightInSetLabel);
        if (captionValue(rightInSetLabel) >= captionValue(questionCountLabel))
            buildPracticeSet();
    }
    questionDisplay->setText(editor.questionList->text(0));
    increment(rightCountLabel);
    // An empty choice list leaves nothing to divide the span by; the bar then stays put.
    const double steps = captionValue(lastChoiceRowLabel) + 1;
    if (steps != 0)
        progressBar->setWidthTwips(progressBar->widthTwips() + progressSpan / steps);
    if (editor.questionList->count() == 0) {
        m_program.dialogs().messageBox(u"Es wurden alle Fragen beantwortet.\r"_s, MsgBox::OkOnly,
                                       u"Fragekatalog"_s);
        standardNotice->show();
        QuizProcedures::loadStandardQuestions(m_program);
        QuizProcedures::showFirstQuestion(m_program);
        QuizProcedures::refreshDisplay(m_program);
        setWindowTitle(programTitle);
    }
}

void MainWindow::goBack()
{
    if (WorkMode::isQuiz(workModeLabel)) {
        double position = captionValue(browsePositionLabel) - 1;
        // Over an empty choice list the last index is -1; the position stays at 0 then.
        if (position < 0)
            position = std::max(captionValue(lastChoiceRowLabel), 0.0);
        setCaptionValue(browsePositionLabel, position);
    }
    if (WorkMode::isLearn(workModeLabel)) {
        ListBox *answers = m_program.editorWindow().answerList;
        int row = answers->listIndex() - 1;
        if (row < 0)
            row = answers->count() - 1;
        answers->setListIndex(row);
    }
    QuizProcedures::refreshDisplay(m_program);
}

void MainWindow::goForward()
{
    if (WorkMode::isQuiz(workModeLabel)) {
        double position = captionValue(browsePositionLabel) + 1;
        if (position > captionValue(lastChoiceRowLabel))
            position = 0;
        setCaptionValue(browsePositionLabel, position);
    }
    if (WorkMode::isLearn(workModeLabel)) {
        ListBox *answers = m_program.editorWindow().answerList;
        int row = answers->listIndex() + 1;
        if (row > answers->count() - 1)
            row = 0;
        // On an empty catalogue there is no row to go to; the list refuses it.
        answers->setListIndex(row);
    }
    QuizProcedures::refreshDisplay(m_program);
}

void MainWindow::restoreStandardQuestions()
{
    QuizProcedures::loadStandardQuestions(m_program);
    standardNotice->show();
}

void MainWindow::switchWorkMode()
{
    EditorWindow &editor = m_program.editorWindow();
    // Learn mode always starts at the first pair; an empty catalogue has none to select.
    editor.questionList->setListIndex(0);
    editor.answerList->setListIndex(0);
    if (WorkMode::isQuiz(workModeLabel)) {
        workModeLabel->setText(WorkMode::learn);
        answerDisplay->setStyleSheet(u"color: #00FF00; background-color: #C000C0;"_s);
    } else {
        workModeLabel->setText(WorkMode::quiz);
        answerDisplay->setStyleSheet(u"color: #FFFFFF; background-color: #C000C0;"_s);
        QuizProcedures::showFirstQuestion(m_program);
    }
    QuizProcedures::refreshDisplay(m_program);
}
