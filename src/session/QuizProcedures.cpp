// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizProcedures.h"

#include "Session.h"
#include "catalogue/StandardPairs.h"
#include "platform/ListBox.h"
#include "quiz/NumericValue.h"
#include "quiz/QuizRules.h"
#include "services/Dialogs.h"
#include "services/RandomSource.h"

using namespace Qt::StringLiterals;

namespace QuizProcedures {

namespace {

// The state every practice set starts from; the counters of right and wrong answers go on.
void startPracticeSet(Session &session)
{
    QuizState quiz = session.quizState();
    const CatalogueLists catalogue = session.catalogue();
    // Rows that do not exist are refused, so an empty catalogue stays without a selection.
    catalogue.questions().setCurrentRow(0);
    catalogue.answers().setCurrentRow(0);
    quiz.choices().setCurrentRow(0);
    quiz.setRightInSet(0);
    quiz.setLastChoiceRow(quiz.choices().count() - 1);
    quiz.setBrowsePosition(0);
    quiz.setProgress(0);
}

} // namespace

void loadStandardQuestions(Session &session)
{
    QStringList questions;
    QStringList answers;
    for (const StandardPair &pair : standardPairs) {
        questions.append(QString::fromUtf16(pair.question));
        answers.append(QString::fromUtf16(pair.answer));
    }
    ListBox &choices = session.quizState().choices();
    choices.clear();
    choices.addTexts(answers);
    session.catalogue().replace(std::move(questions), std::move(answers));
    // From here on the reset is what every freshly loaded catalogue goes through.
    startPractice(session);
}

void showFirstQuestion(Session &session)
{
    session.quizState().showQuestion(session.catalogue().questions().text(0));
}

void refreshDisplay(Session &session)
{
    QuizState quiz = session.quizState();
    const CatalogueLists catalogue = session.catalogue();
    if (quiz.isQuizMode())
        quiz.showAnswer(quiz.choices().text(numericInt(quiz.browsePosition())));
    if (quiz.isLearnMode()) {
        const int row = catalogue.answers().currentRow();
        quiz.showQuestion(catalogue.questions().text(row));
        quiz.showAnswer(catalogue.answers().text(row));
    }
}

void buildPracticeSet(Session &session)
{
    QuizState quiz = session.quizState();
    RandomSource &random = session.random();
    random.reseedFromClock();
    quiz.setRightInSet(0);
    quiz.choices().setTexts(QuizRules::practiceSetChoices(session.catalogue().answers().texts(),
                                                          quiz.questionCount(),
                                                          [&random] { return random.next(); }));
    if (session.catalogue().questions().count() > 0) {
        startPracticeSet(session);
        showFirstQuestion(session);
        refreshDisplay(session);
    }
}

void startPractice(Session &session)
{
    startPracticeSet(session);
    QuizState quiz = session.quizState();
    quiz.setWrongCount(0);
    quiz.setRightCount(0);
    showFirstQuestion(session);
    refreshDisplay(session);
}

void reportReadError(Session &session, const QString &readError)
{
    session.dialogs().messageBox(readError + u'\r', BoxStyle::OkOnly, u"Dateifehler"_s);
}

void reportLoad(Session &session, const QString &fileName, qsizetype pairCount,
                const QString &readError)
{
    Dialogs &dialogs = session.dialogs();
    // Without this a file that could not be read would only show as "0" records.
    if (!readError.isEmpty())
        reportReadError(session, readError);
    // The count stands with a blank in the place of its sign.
    dialogs.messageBox(u"Datensätze dieser Datei:  "_s + u' ' + QString::number(pairCount) + u'\r'
                               + u"Programmvoreinstellung:   "_s
                               + session.quizState().questionCountText() + u'\r',
                       BoxStyle::OkOnly, fileName.toUpper());
}

} // namespace QuizProcedures
