// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the program: "Beenden", Esc and the window frame all ask the same question.
#include "MainWindow.h"
#include "session/Session.h"
#include "services/Dialogs.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

// "No" is the default button, so a hasty Enter keeps the program running.
bool MainWindow::quitConfirmed()
{
    return m_session.dialogs().messageBox(
                   u"Das Programm beenden?\r"_s,
                   BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault, u"ZEL-Merkbold"_s)
            == BoxAnswer::Yes;
}

// Nothing is saved on the way out; the settings file is written only by the editor.
void MainWindow::quit()
{
    if (quitConfirmed())
        m_session.endProgram();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!quitConfirmed()) {
        event->ignore();
        return;
    }
    event->accept();
    m_session.endProgram();
}
