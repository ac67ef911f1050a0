// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

// The rules of the quiz, free of widgets: the windows read their controls, ask a rule, and
// write the answer back. Numbers are doubles because the state they come from is caption text.
namespace QuizRules {

// A source of random numbers in [0, 1).
using Random = std::function<double()>;

// Which way the child pages: "Zurück" or "Weiter".
enum class Paging { Back, Forward };

// Both shuffles offer the answers of the first `wanted` pairs, the i-th (from 0) put at row
// ⌊i·r⌋ of the list built so far, or ⌊(i+1)·r⌋, with r the next random number.
//
// Building a practice set uses i, so a new answer never goes behind the last row: the first
// question's answer always ends up last, one "Zurück" away from the start.
QStringList practiceSetChoices(const QStringList &answers, double wanted, const Random &random);
// Loading a file uses i + 1, so any row is possible, the last one included.
QStringList loadedFileChoices(const QStringList &answers, double wanted, const Random &random);
// The editor's load offers the first `wanted` answers, which the sorted list puts in order.
QStringList firstAnswers(const QStringList &answers, double wanted);

// In quiz mode an answer is right when it is exactly the current pair's answer.
inline bool isRightAnswer(const QString &shown, const QString &currentAnswer)
{
    return shown == currentAnswer;
}

// The practice set is used up once the right answers in it reach the question count.
inline bool isPracticeSetDone(double rightInSet, double questionCount)
{
    return rightInSet >= questionCount;
}

// Paging the choice list in quiz mode wraps around at both ends. Over an empty list the last
// row is -1; going back from 0 then stays at 0.
double pagedBrowsePosition(double position, double lastRow, Paging paging);

// Paging the pairs in learn mode wraps around at both ends; over no pair it gives -1 on the
// way back and 0 on the way forward, rows the list refuses.
int pagedLearnRow(int row, int pairCount, Paging paging);

// How much of the practice set one right answer adds to the progress, which runs from 0 at its
// start to 1 when as many answers are right as the choice list has rows. An empty choice list
// (last row -1) leaves nothing to share; the progress stays put.
double progressStep(double lastChoiceRow);

// A rate in whole percent, halves rounded up: part of part + other.
double ratePercent(double part, double other);

} // namespace QuizRules
