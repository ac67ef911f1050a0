// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class ListBox;
class QLabel;
class Shape;

// The quiz state as the main window holds it: numbers as label captions (read and written
// through the number rule, so a count of "12.5" or a last row of "-1" stays exactly what it
// is), the choice list, the progress bar's width and the question and answer on display.
//
// Who writes what:
//   right answers in the set   start of a practice set: 0; +1 per right answer
//   last choice row            start of a practice set: rows of the choice list - 1
//   browse position            start of a practice set: 0; paging
//   question count             the question-count setting only
//   wrong and right counts     loading and resetting: 0; the answer check
//   progress                   start of a practice set: 0; the answer check
class QuizState
{
public:
    struct Controls
    {
        QLabel *question;
        QLabel *answer;
        QLabel *rightInSet;
        QLabel *lastChoiceRow;
        QLabel *browsePosition;
        QLabel *questionCount;
        QLabel *workMode;
        QLabel *wrongCount;
        QLabel *rightCount;
        QLabel *standardNotice;
        ListBox *choices;
        Shape *progressBar;
    };

    explicit QuizState(const Controls &controls) : m_controls(controls) { }

    double rightInSet() const;
    void setRightInSet(double value);
    double lastChoiceRow() const;
    void setLastChoiceRow(double value);
    double browsePosition() const;
    void setBrowsePosition(double value);
    double questionCount() const;
    QString questionCountText() const;
    void setQuestionCount(double value);
    double wrongCount() const;
    void setWrongCount(double value);
    double rightCount() const;
    void setRightCount(double value);
    // The share of the practice set answered right, shown as the progress bar's width.
    double progress() const;
    void setProgress(double share);

    // The work mode is the caption compared as exact text: one that is neither matches neither.
    bool isQuizMode() const;
    bool isLearnMode() const;
    void setWorkMode(const QString &mode);

    void showQuestion(const QString &text);
    QString shownAnswer() const;
    void showAnswer(const QString &text);
    void showStandardNotice();

    ListBox &choices() const { return *m_controls.choices; }

private:
    Controls m_controls;
};
