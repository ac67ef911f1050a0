// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Word lists saved by a spreadsheet program as CSV or TSV: the first column of each row is the
// question, the second the answer; further columns are ignored, and a row with an empty
// question or answer (blank lines, short rows, empty cells) is skipped. A header row is taken
// for a pair like any other: guessing would drop real first pairs.
//
// Separator: tab, semicolon or comma, whichever occurs outside quotes in the first row that holds
// any of them; when several do, tab goes before semicolon before comma. German spreadsheet
// programs write semicolons because the comma is the decimal sign, so a comma inside such a row
// is far more likely text than a tab or a semicolon is. The file's name does not matter.
//
// Quotes as spreadsheet programs write them: a field that starts with a quote runs to the next
// lone quote and may hold separators, line breaks and doubled quotes (standing for one quote);
// text after its closing quote is appended as it is, and a quote inside an unquoted field is an
// ordinary character. A line break inside a field becomes one blank, as the editor's
// single-line input boxes make it (CR LF counts as one break). Outside quotes, a row ends at
// CR LF, LF or a lone CR. A quote left open runs to the end of the file.
//
// The encoding is detected as for catalogue files (see TextFileEncoding.h). Reading the bytes
// never fails: `outcome` is always Complete there.
CatalogueReadResult parseSpreadsheet(QByteArrayView bytes);

// Failed, with a German reason and no pairs, when the file cannot be read or is larger than a
// catalogue file may be.
CatalogueReadResult readSpreadsheetFile(const QString &path);

// True for the names that are read with readSpreadsheetFile: *.CSV and *.TSV, any letter case.
bool isSpreadsheetFileName(QStringView fileName);
