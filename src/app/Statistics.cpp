// SPDX-License-Identifier: GPL-3.0-or-later
// Error and solution rates of the answers given since the counters were last set to "0".
#include "MainWindow.h"
#include "quiz/NumericValue.h"
#include "quiz/QuizRules.h"
#include "session/Session.h"
#include "services/Dialogs.h"

using namespace Qt::StringLiterals;

namespace {

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
