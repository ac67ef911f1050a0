// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/PrintService.h"

#include <QStringList>

// The cards are the first `count` pairs of the catalogue, pair 0 being the question on display.
// A pair past the end of the catalogue gives empty texts.

inline const PrintFont flashCardFont{QStringLiteral("Arial"), 18};

// One side of the sheet: card i is line i, so that answer i on the back stands behind
// question i on the front. `texts` is one half of the catalogue.
PrintJob flashCardJob(const QStringList &texts, qsizetype count);

// Question, answer and an empty line per card, each line ended by CR LF.
QString flashCardClipboardText(const QStringList &questions, const QStringList &answers,
                               qsizetype count);
