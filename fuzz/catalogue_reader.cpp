// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, as a catalogue file: reading must not fail on them, must give row-parallel pairs
// without an empty half, and writing those pairs back must read back the same.
#include "catalogue/CatalogueFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CatalogueReadResult read = parseCatalogue(QByteArrayView(data, qsizetype(size)));
    const Catalogue &pairs = read.pairs;
    if (pairs.questions.size() != pairs.answers.size())
        std::abort();
    for (qsizetype i = 0; i < pairs.questions.size(); ++i) {
        if (pairs.questions.at(i).isEmpty() || pairs.answers.at(i).isEmpty())
            std::abort();
    }
    const CatalogueReadResult again = parseCatalogue(serializeCatalogue(pairs));
    if (again.outcome != ReadOutcome::Complete || again.pairs.questions != pairs.questions
        || again.pairs.answers != pairs.answers)
        std::abort();
    return 0;
}
