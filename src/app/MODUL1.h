// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Program;

// The procedures shared by the windows. They act on the controls only.
//
// Who writes the quiz state of Form1:
//   Bezeichnung3  right answers in the practice set  reset, AuswahlBilden, loaders: "0"; +1 per
//   right answer Bezeichnung4  last row of the choice list        reset, AuswahlBilden, loaders
//   Bezeichnung5  browse position                    reset, AuswahlBilden, loaders: "0"; paging
//   Bezeichnung6  question count N                   the question-count setting only
//   Bezeichnung8/9 wrong/right answers               reset and loaders: "0"; the answer check
//   Figur1 width  progress in twips                  reset, AuswahlBilden, loaders: 75; the answer
//   check
namespace MODUL1 {

inline constexpr double progressStart = 75;

// Replaces the catalogue by the ten standard pairs and puts the quiz state back to its start.
// Leaves the question count, the work mode, the caption and the notice alone.
void StandardfragenLaden(Program &program);

// Shows the first remaining question.
void ErsteFrageZeigen(Program &program);

// Refreshes question and answer for the work mode: in "Quizmodus" the answer at the browse
// position, in "Lernmodus" the pair selected in the editor's answer list.
void AnzeigeAktualisieren(Program &program);

} // namespace MODUL1
