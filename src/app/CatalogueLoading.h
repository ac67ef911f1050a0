// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Program;

// The steps that loading a catalogue file takes in both windows once the catalogue lists and
// the choice list are filled.
namespace CatalogueLoading {

// The first pair and the first offered answer selected, the quiz state back at the start of a
// practice set, the first question shown. An empty catalogue keeps no row selected.
void startPractice(Program &program);

// Says why a file could not be read at all (readError, empty when it could), then how many
// pairs it gave and the question count, titled with the file name in upper case.
void report(Program &program, const QString &fileName, qsizetype pairCount,
            const QString &readError);

} // namespace CatalogueLoading
