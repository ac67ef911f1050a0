// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, as a catalogue file: reading must not fail on them, must give row-parallel pairs
// without an empty half, and writing those pairs back must read back the same.
#include "CatalogueChecks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CatalogueReadResult read = parseCatalogue(QByteArrayView(data, qsizetype(size)));
    checkKeptAsCatalogue(read.pairs, [](const QString &text) { return !text.isEmpty(); });
    return 0;
}
