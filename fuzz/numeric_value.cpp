// SPDX-License-Identifier: GPL-3.0-or-later
// Any text: its number is finite, and the text of a number reads back as that number.
#include "quiz/NumericValue.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = numericValue(text);
    if (!std::isfinite(value))
        std::abort();
    const double again = numericValue(numberText(value));
    if (std::abs(again - value) > std::max(std::abs(value) * 1e-14, 1e-300))
        std::abort();
    numericInt(value);
    return 0;
}
