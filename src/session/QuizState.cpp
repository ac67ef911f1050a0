// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizState.h"

#include "platform/Caption.h"
#include "platform/Shape.h"
#include "quiz/WorkMode.h"

namespace {

// The bar's width at the start of a practice set, and what the right answers of one practice
// set add to it together.
constexpr double progressStartTwips = 75;
constexpr double progressSpanTwips = 8900;

} // namespace

// clang-format off
double QuizState::rightInSet() const { return captionValue(m_controls.rightInSet); }
void QuizState::setRightInSet(double value) { setCaptionValue(m_controls.rightInSet, value); }
double QuizState::lastChoiceRow() const { return captionValue(m_controls.lastChoiceRow); }
void QuizState::setLastChoiceRow(double value) { setCaptionValue(m_controls.lastChoiceRow, value); }
double QuizState::browsePosition() const { return captionValue(m_controls.browsePosition); }
void QuizState::setBrowsePosition(double value) { setCaptionValue(m_controls.browsePosition, value); }
double QuizState::questionCount() const { return captionValue(m_controls.questionCount); }
QString QuizState::questionCountText() const { return m_controls.questionCount->text(); }
void QuizState::setQuestionCount(double value) { setCaptionValue(m_controls.questionCount, value); }
double QuizState::wrongCount() const { return captionValue(m_controls.wrongCount); }
void QuizState::setWrongCount(double value) { setCaptionValue(m_controls.wrongCount, value); }
double QuizState::rightCount() const { return captionValue(m_controls.rightCount); }
void QuizState::setRightCount(double value) { setCaptionValue(m_controls.rightCount, value); }
double QuizState::progress() const { return (m_controls.progressBar->widthTwips() - progressStartTwips) / progressSpanTwips; }
void QuizState::setProgress(double share) { m_controls.progressBar->setWidthTwips(progressStartTwips + share * progressSpanTwips); }
bool QuizState::isQuizMode() const { return m_controls.workMode->text() == WorkMode::quiz; }
bool QuizState::isLearnMode() const { return m_controls.workMode->text() == WorkMode::learn; }
void QuizState::setWorkMode(const QString &mode) { m_controls.workMode->setText(mode); }
void QuizState::showQuestion(const QString &text) { m_controls.question->setText(text); }
QString QuizState::shownAnswer() const { return m_controls.answer->text(); }
void QuizState::showAnswer(const QString &text) { m_controls.answer->setText(text); }
void QuizState::showStandardNotice() { m_controls.standardNotice->show(); }
// clang-format on
