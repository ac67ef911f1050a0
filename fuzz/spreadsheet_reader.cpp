// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, as a CSV or TSV word list: reading must give row-parallel pairs without an empty
// text and without a line break in any text, which is what lets them be kept as a catalogue and
// written as one that reads back the same.
#include "CatalogueChecks.h"
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
    if (read.outcome != ReadOutcome::Complete)
        std::abort();
    checkKeptAsCatalogue(read.pairs, fitsOneLine);
    return 0;
}
