// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader reads a label's text as its name; the description says what the text is, so
// a counter is heard as "1, Falsche Antworten" rather than as a bare number.
#include "MainWindow.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void MainWindow::describeStateLabels()
{
    questionDisplay->setAccessibleDescription(u"Frage"_s);
    answerDisplay->setAccessibleDescription(u"Antwort"_s);
    workModeLabel->setAccessibleDescription(u"Arbeitsmodus"_s);
    wrongCountLabel->setAccessibleDescription(u"Falsche Antworten"_s);
    rightCountLabel->setAccessibleDescription(u"Richtige Antworten"_s);
}
