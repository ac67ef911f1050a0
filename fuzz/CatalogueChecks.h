// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <cstdlib>

// Ends the fuzz run when the pairs are not row-parallel, when a text fails `isKept`, or when
// writing them as a catalogue does not read back the same pairs.
template<typename TextCheck>
void checkKeptAsCatalogue(const Catalogue &pairs, TextCheck isKept)
{
    if (pairs.questions.size() != pairs.answers.size())
        std::abort();
    for (qsizetype i = 0; i < pairs.questions.size(); ++i) {
        if (!isKept(pairs.questions.at(i)) || !isKept(pairs.answers.at(i)))
            std::abort();
    }
    const CatalogueReadResult again = parseCatalogue(serializeCatalogue(pairs));
    if (again.outcome != ReadOutcome::Complete || again.pairs.questions != pairs.questions
        || again.pairs.answers != pairs.answers)
        std::abort();
}
