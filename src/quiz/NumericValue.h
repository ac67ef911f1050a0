// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// Numbers live as caption texts throughout the program; these two functions are the only
// way between a caption and a number, so every reader and writer agrees on the form.

// The leading number of a text: blanks, tabs and line feeds anywhere are ignored; then an
// optional sign, digits with an optional point and exponent, or &H / &O for hexadecimal and
// octal. A text without such a number, or one too large to hold, reads as 0.
double numericValue(QStringView text);

// Decimal text of a number: whole numbers without a point ("0", "-1", "10").
QString numberText(double value);

// A value as a row number or count: rounded, and held within int's range.
int numericInt(double value);
