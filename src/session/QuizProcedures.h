// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Session;

// The procedures both windows run on the shared catalogue and quiz state.
namespace QuizProcedures {

// Replaces the catalogue by the ten standard pairs and puts the quiz state back to its start.
// Leaves the question count, the work mode, the caption and the notice alone.
void loadStandardQuestions(Session &session);

// Shows the first remaining question.
void showFirstQuestion(Session &session);

// Refreshes question and answer for the work mode: in quiz mode the answer at the browse
// position, in learn mode the pair selected in the catalogue.
void refreshDisplay(Session &session);

// Offers the answers of the next practice set, taken from the front of the catalogue, at
// random rows, and starts the set: first pair selected, first question shown.
void buildPracticeSet(Session &session);

// After the catalogue and the choice list were filled by a loader: the first pair and the
// first offered answer selected, the quiz state back at the start of a practice set, the
// counters at 0, the first question shown. An empty catalogue keeps no row selected.
void startPractice(Session &session);

// Says why a file could not be read at all, in a box titled "Dateifehler".
void reportReadError(Session &session, const QString &readError);

// Says why a file could not be read at all (readError, empty when it could), then how many
// pairs it gave and the question count, titled with the file name in upper case.
void reportLoad(Session &session, const QString &fileName, qsizetype pairCount,
                const QString &readError);

} // namespace QuizProcedures
