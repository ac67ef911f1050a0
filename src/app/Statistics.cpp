// SPDX-License-Identifier: GPL-3.0-or-later
// Error and solution rates of the answers given since the counters were last set to "0".
#include "MainWindow.h"
#include "Program.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Share of `part` in `part + other` as a whole percentage, halves rounded up. Multiplying
// before dividing keeps a true half (1 of 8 is 12.5) exact, so it is not lost to the last bit.
double wholePercent(double part, double other)
{
    return std::round(part * 100 / (part + other));
}

// As long as nothing was counted on this side there is no message at all.
void reportRate(Program &program, double part, double other, const QString &sentence,
                const QString &title)
{
    if (part < 1)
        return;
    program.dialogs().messageBox(
            u"%1 %2 Prozent.\r"_s.arg(sentence, numberText(wholePercent(part, other))),
            MsgBox::OkOnly, title);
}

} // namespace

void MainWindow::showErrorRate()
{
    reportRate(m_program, captionValue(wrongCountLabel), captionValue(rightCountLabel),
               u"Deine Fehlerquote beträgt"_s, u"Fehlerquote"_s);
}

void MainWindow::showSolutionRate()
{
    reportRate(m_program, captionValue(rightCountLabel), captionValue(wrongCountLabel),
               u"Deine Lösungsquote beträgt"_s, u"Lösungsquote"_s);
}
