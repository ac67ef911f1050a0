// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <QString>

// Catalogues for measuring: German texts with umlauts, lines of 20 to 120 characters, every
// question and every answer unique. The same size always gives the same catalogue.
Catalogue generateCatalogue(int pairs);

// Writes a generated catalogue of that size into `folder` and returns its path.
QString writeGeneratedCatalogue(const QString &folder, int pairs);

// The largest file the reader accepts, in its two costliest forms: pairs of one letter each,
// every line ended by a lone CR (3.1 million pairs), or one question line that fills the file
// but for its answer. Files of another `number` differ in their first question.
enum class LargestFile { OneLetterPairs, OneLongQuestion };
QString writeLargestFile(const QString &folder, LargestFile kind, int number);
