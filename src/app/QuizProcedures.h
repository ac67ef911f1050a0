// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Program;

// The procedures shared by the windows. They act on the controls only.
//
// Who writes the quiz state of MainWindow:
//   rightInSetLabel  right answers in the practice set  reset, buildPracticeSet, loaders: "0"; +1
//   per right answer lastChoiceRowLabel  last row of the choice list        reset,
//   buildPracticeSet, loaders browsePositionLabel  browse position                    reset,
//   buildPracticeSet, loaders: "0"; paging questionCountLabel  question count N the question-count
//   setting only wrongCountLabel/9 wrong/right answers               reset and loaders: "0"; the
//   answer check progressBar width  progress in twips                  reset, buildPracticeSet,
//   loaders: 75; the answer check
namespace QuizProcedures {

inline constexpr double progressStart = 75;

// Replaces the catalogue by the ten standard pairs and puts the quiz state back to its start.
// Leaves the question count, the work mode, the caption and the notice alone.
void loadStandardQuestions(Program &program);

// Shows the first remaining question.
void showFirstQuestion(Program &program);

// Refreshes question and answer for the work mode: in "Quizmodus" the answer at the browse
// position, in "Lernmodus" the pair selected in the editor's answer list.
void refreshDisplay(Program &program);

} // namespace QuizProcedures
