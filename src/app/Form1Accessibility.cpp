// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader reads a label's text as its name; the description says what the text is, so
// a counter is heard as "1, Falsche Antworten" rather than as a bare number.
#include "Form1.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void Form1::describeStateLabels()
{
    Bezeichnung1->setAccessibleDescription(u"Frage"_s);
    Bezeichnung2->setAccessibleDescription(u"Antwort"_s);
    Bezeichnung7->setAccessibleDescription(u"Arbeitsmodus"_s);
    Bezeichnung8->setAccessibleDescription(u"Falsche Antworten"_s);
    Bezeichnung9->setAccessibleDescription(u"Richtige Antworten"_s);
}
