// SPDX-License-Identifier: GPL-3.0-or-later
// The way into the editor. The password is the question on display, so it changes with
// every question; an empty input never counts, not even while no question is shown.
#include "MainWindow.h"
#include "session/Session.h"
#include "services/Dialogs.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void MainWindow::openEditor()
{
    const QString typed =
            m_session.dialogs().inputBox(u"Passwort"_s, u"Bitte eingeben:"_s, QString());
    if (typed.isEmpty() || typed != questionDisplay->text())
        return;
    m_session.showEditor();
}
