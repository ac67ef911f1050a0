// SPDX-License-Identifier: GPL-3.0-or-later
// The question count: how many pairs one practice set holds.
#include "MainWindow.h"
#include "session/Session.h"
#include "quiz/NumericValue.h"
#include "session/QuizProcedures.h"
#include "services/Dialogs.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double fewestQuestions = 10;
constexpr double mostQuestions = 50;

} // namespace

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
