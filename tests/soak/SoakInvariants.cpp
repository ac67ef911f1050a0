// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakInvariants.h"

#include "SoakWorld.h"
#include "app/MainWindow.h"
#include "editor/EditorWindow.h"
#include "platform/Caption.h"
#include "platform/ListBox.h"

#include <QLabel>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isWholeNumberFrom(const QString &text, int lowest)
{
    static const QRegularExpression whole(u"^-?(0|[1-9][0-9]*)$"_s);
    return whole.match(text).hasMatch() && text != u"-0"_s && numericValue(text) >= lowest;
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// Quitting with Yes, and only that, ends the run; otherwise exactly one of the two main windows
// is on the screen.
void checkRunning(SoakWorld &world, const std::vector<RandomDialogs::Box> &boxes, int ends,
                  QStringList &broken)
{
    const auto quitYes =
            std::count_if(boxes.begin(), boxes.end(), [](const RandomDialogs::Box &box) {
                return box.prompt == u"Das Programm beenden?\r"_s && box.button == MsgBox::Yes;
            });
    if (ends != quitYes)
        broken << u"the program ended %1 time(s) after %2 quit question(s) answered Yes"_s.arg(ends)
                          .arg(quitYes);
    if (ends == 0 && world.main().isVisible() == world.editor().isVisible())
        broken << u"main window shown: %1, editor shown: %2"_s.arg(world.main().isVisible())
                          .arg(world.editor().isVisible());
}

void checkCounters(MainWindow &main, QStringList &broken)
{
    const std::pair<const QLabel *, QString> counters[] = {
            {main.rightInSetLabel, u"right answers in the practice set"_s},
            {main.wrongCountLabel, u"wrong answers"_s},
            {main.rightCountLabel, u"right answers"_s},
    };
    for (const auto &[counter, meaning] : counters) {
        if (!isWholeNumberFrom(counter->text(), 0))
            broken << u"the counter of %1 reads %2"_s.arg(meaning, quoted(counter->text()));
    }
    const double questionCount = numericValue(main.questionCountLabel->text());
    if (questionCount < 10 || questionCount > 50)
        broken << u"the question count reads "_s + quoted(main.questionCountLabel->text());
    const QString last = main.lastChoiceRowLabel->text();
    if (!isWholeNumberFrom(last, -1)) {
        broken << u"the last index of the choice list reads "_s + quoted(last);
        return;
    }
    const QString position = main.browsePositionLabel->text();
    if (!isWholeNumberFrom(position, 0)
        || numericValue(position) > std::max(numericValue(last), 0.0))
        broken << u"the browse position reads %1 with the last index %2"_s.arg(quoted(position),
                                                                               last);
}

void checkPairs(SoakWorld &world, QStringList &broken)
{
    const EditorWindow &editor = world.editor();
    const QStringList &questions = editor.questionList->texts();
    const QStringList &answers = editor.answerList->texts();
    if (questions.size() != answers.size()) {
        broken << u"the catalogue holds %1 questions and %2 answers"_s.arg(questions.size())
                          .arg(answers.size());
        return;
    }
    for (qsizetype i = 0; i < questions.size(); ++i) {
        if (!world.known.hasPair(questions[i], answers[i])) {
            broken << u"pair %1 came from nowhere: %2 / %3"_s.arg(i).arg(quoted(questions[i]),
                                                                         quoted(answers[i]));
            return;
        }
    }
    for (const QString &choice : world.main().choiceList->texts()) {
        if (!world.known.hasAnswer(choice)) {
            broken << u"the choice list offers an answer from nowhere: "_s + quoted(choice);
            return;
        }
    }
}

void checkDisplay(SoakWorld &world, QStringList &broken)
{
    const QString question = world.main().questionDisplay->text();
    const QString answer = world.main().answerDisplay->text();
    if (!question.isEmpty() && !world.known.hasQuestion(question))
        broken << u"the question shown came from nowhere: "_s + quoted(question);
    if (!answer.isEmpty() && !world.known.hasAnswer(answer))
        broken << u"the answer shown came from nowhere: "_s + quoted(answer);
}

} // namespace

QStringList brokenInvariants(SoakWorld &world, const std::vector<RandomDialogs::Box> &boxes,
                             int ends)
{
    QStringList broken;
    checkRunning(world, boxes, ends, broken);
    checkCounters(world.main(), broken);
    checkPairs(world, broken);
    checkDisplay(world, broken);
    if (!world.printer.pending.isEmpty())
        broken << u"a print job of %1 line(s) was begun and never ended"_s.arg(
                world.printer.pending.size());
    return broken;
}
