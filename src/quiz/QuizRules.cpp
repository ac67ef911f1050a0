// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizRules.h"

#include <algorithm>
#include <cmath>

namespace QuizRules {

namespace {

// The rows are worked out in a plain list and handed to the choice list in one go: inserting
// into the shown list row by row would update its view for every row. The result is the same,
// because each row number refers to the list as it stands at that step, and the choice list
// takes an inserted row exactly where it is told, sorted or not.
QStringList shuffled(const QStringList &answers, qsizetype count, const Random &random,
                     qsizetype rowFactorOffset)
{
    QStringList choices;
    for (qsizetype i = 0; i < count; ++i) {
        const auto row = qsizetype(std::floor(double(i + rowFactorOffset) * random()));
        choices.insert(std::clamp<qsizetype>(row, 0, choices.size()), answers[i]);
    }
    return choices;
}

// The pairs numbered 1 to `wanted`, as far as there are pairs.
qsizetype numberedUpTo(const QStringList &answers, double wanted)
{
    return !(wanted >= 1) ? 0
                          : std::min(answers.size(), qsizetype(std::min(std::floor(wanted), 1e9)));
}

} // namespace

QStringList practiceSetChoices(const QStringList &answers, double wanted, const Random &random)
{
    // Answers are taken until the count reaches the question count, so at least one is taken
    // and a fractional count rounds up.
    const double taken = std::max(1.0, std::ceil(std::min(wanted, 1e9)));
    return shuffled(answers, std::min(answers.size(), qsizetype(taken)), random, 0);
}

QStringList loadedFileChoices(const QStringList &answers, double wanted, const Random &random)
{
    return shuffled(answers, numberedUpTo(answers, wanted), random, 1);
}

QStringList firstAnswers(const QStringList &answers, double wanted)
{
    return answers.first(numberedUpTo(answers, wanted));
}

double pagedBrowsePosition(double position, double lastRow, Paging paging)
{
    if (paging == Paging::Forward)
        return position + 1 > lastRow ? 0 : position + 1;
    return position - 1 < 0 ? std::max(lastRow, 0.0) : position - 1;
}

int pagedLearnRow(int row, int pairCount, Paging paging)
{
    if (paging == Paging::Forward)
        return row + 1 > pairCount - 1 ? 0 : row + 1;
    return row - 1 < 0 ? pairCount - 1 : row - 1;
}

double progressStep(double lastChoiceRow)
{
    const double rows = lastChoiceRow + 1;
    return rows == 0 ? 0 : 1 / rows;
}

double ratePercent(double part, double other)
{
    return std::round(part * 100 / (part + other));
}

} // namespace QuizRules
