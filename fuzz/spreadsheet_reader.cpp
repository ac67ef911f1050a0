// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, as a CSV or TSV word list: reading must give row-parallel pairs without an empty
// text and without a line break in any text, which is what lets them be kept as a catalogue and
// written as one that reads back the same.
#include "catalogue/SpreadsheetFile.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool fitsOneLine(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'\r') && !text.contains(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CatalogueReadResult read = parseSpreadsheet(QByteArrayView(data, qsizetype(size)));
    const Catalogue &pairs = read.pairs;
    if (read.outcome != ReadOutcome::Complete || pairs.questions.size() != pairs.answers.size())
        std::abort();
    for (qsizetype i = 0; i < pairs.questions.size(); ++i) {
        if (!fitsOneLine(pairs.questions.at(i)) || !fitsOneLine(pairs.answers.at(i)))
            std::abort();
    }
    const CatalogueReadResult again = parseCatalogue(serializeCatalogue(pairs));
    if (again.outcome != ReadOutcome::Complete || again.pairs.questions != pairs.questions
        || again.pairs.answers != pairs.answers)
        std::abort();
    return 0;
}
