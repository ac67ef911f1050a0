// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include "quiz/NumericValue.h"

// Numeric state is kept as label captions; these read and write it in the one agreed form.
inline double captionValue(const QLabel *label)
{
    return numericValue(label->text());
}

inline void setCaptionValue(QLabel *label, double value)
{
    label->setText(numberText(value));
}
