// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The help panel: a large label that lies beside the window while closed and over the
// question area while open. Its position is the only record of which it is. It jumps in and out
// at once rather than sliding: a half-way panel would be neither open nor closed.
class HelpPanel : public QLabel
{
public:
    // The panel lies at closedX, outside the window, until it is opened at openX.
    HelpPanel(const QRect &closedPlace, int openX, QWidget *parent);

    bool isClosed() const { return x() == m_closedX; }
    void open();
    void close();

private:
    int m_closedX;
    int m_openX;
};
