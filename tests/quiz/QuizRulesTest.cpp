// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/QuizRules.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace QuizRules;

namespace {

const QStringList fourAnswers{u"A"_s, u"B"_s, u"C"_s, u"D"_s};

// Practice sets insert at ⌊i·r⌋, so the first answer is always pushed to the end; a loaded file
// inserts at ⌊(i+1)·r⌋, so an answer may land behind the last row.
TEST(QuizRules, ShufflesPutEachAnswerAtTheRowItsRandomNumberGives)
{
    const auto practice = practiceSetChoices;
    const auto loaded = loadedFileChoices;
    // clang-format off
    const std::tuple<decltype(practice), double, double, QStringList> cases[] = {
        {practice, 4, 0.99, {u"B"_s, u"C"_s, u"D"_s, u"A"_s}}, // never behind the last row
        {practice, 4, 0.0, {u"D"_s, u"C"_s, u"B"_s, u"A"_s}},
        {practice, 2.5, 0.99, {u"B"_s, u"C"_s, u"A"_s}},       // a fractional count rounds up
        {practice, 0, 0.5, {u"A"_s}},                           // at least one
        {loaded, 4, 0.99, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}},   // behind the last row too
        {loaded, 2.5, 0.99, {u"A"_s, u"B"_s}},                  // a fractional count rounds down
        {loaded, 0.5, 0.5, {}},
        {loaded, 50, 0.0, {u"D"_s, u"C"_s, u"B"_s, u"A"_s}}};  // fewer pairs than wanted
    // clang-format on
    for (const auto &[shuffle, wanted, random, expected] : cases)
        EXPECT_EQ(shuffle(fourAnswers, wanted, [r = random] { return r; }), expected) << wanted;
}

TEST(QuizRules, FirstAnswersAreTheNumberedOnesInOrder)
{
    EXPECT_EQ(firstAnswers(fourAnswers, 2), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_EQ(firstAnswers(fourAnswers, 2.5), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_EQ(firstAnswers(fourAnswers, 10), fourAnswers);
    EXPECT_EQ(firstAnswers(fourAnswers, std::nan("")), QStringList());
}

TEST(QuizRules, PagingWrapsAroundAtBothEnds)
{
    // position or row, last row or pairs, forward, back
    const std::array<double, 4> browse[] = {
            {0, 3, 1, 3}, {3, 3, 0, 2}, {0, 0, 0, 0}, {0, -1, 0, 0}, {1.5, 3, 2.5, 0.5}};
    for (const auto &[position, lastRow, next, previous] : browse) {
        EXPECT_EQ(pagedBrowsePosition(position, lastRow, Paging::Forward), next) << position;
        EXPECT_EQ(pagedBrowsePosition(position, lastRow, Paging::Back), previous) << position;
    }
    const std::array<int, 4> learn[] = {{0, 4, 1, 3}, {3, 4, 0, 2}, {0, 1, 0, 0}, {-1, 0, 0, -1}};
    for (const auto &[row, pairs, next, previous] : learn) {
        EXPECT_EQ(pagedLearnRow(row, pairs, Paging::Forward), next) << row;
        EXPECT_EQ(pagedLearnRow(row, pairs, Paging::Back), previous) << row;
    }
}

TEST(QuizRules, PracticeSetsProgressAndRates)
{
    EXPECT_FALSE(isPracticeSetDone(9, 10));
    EXPECT_TRUE(isPracticeSetDone(10, 10));
    EXPECT_TRUE(isPracticeSetDone(13, 12.5));
    EXPECT_DOUBLE_EQ(progressStep(9), 0.1);
    EXPECT_EQ(progressStep(0), 1);
    EXPECT_EQ(progressStep(-1), 0); // an empty choice list: the progress stays put
    EXPECT_EQ(ratePercent(23, 17), 58);
    EXPECT_EQ(ratePercent(1, 7), 13); // 12.5 rounds up
    EXPECT_EQ(ratePercent(1, 0), 100);
}

} // namespace
