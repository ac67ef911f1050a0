// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's command buttons: quitting, the editor, help, settings, rates, about.
#include "MainWindow.h"
#include "HelpPanel.h"
#include "services/Dialogs.h"
#include "session/Session.h"
#include "platform/PictureButton.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void MainWindow::wireCommands()
{
    connect(quitButton, &PictureButton::clicked, this, &MainWindow::quit);
    connect(editorButton, &PictureButton::clicked, this, &MainWindow::openEditor);
    connect(helpButton, &PictureButton::clicked, this, &MainWindow::toggleHelp);
    connect(questionCountButton, &PictureButton::clicked, this, &MainWindow::askQuestionCount);
    connect(errorRateButton, &PictureButton::clicked, this, &MainWindow::showErrorRate);
    connect(solutionRateButton, &PictureButton::clicked, this, &MainWindow::showSolutionRate);
    connect(aboutButton, &PictureButton::clicked, this, &MainWindow::showAboutBox);
}

// Shown again, an open about box comes to the front and places itself anew.
void MainWindow::showAboutBox()
{
    m_session.showAboutBox();
}

namespace {

const QString keyboardPrompt = u"Pfeiltasten zum Blättern\r"
                               u"Enter/Return für Eingabe\r"
                               u"Esc für das Programmende\r"
                               u"Ins für den Moduswechsel\r"
                               u"F1 für dieses Hilfefenster\r"_s;

} // namespace

// The keyboard message opens together with the panel, every time.
void MainWindow::toggleHelp()
{
    if (helpPanel->isClosed()) {
        helpPanel->open();
        m_session.dialogs().messageBox(keyboardPrompt, BoxStyle::OkOnly, u"Tastaturbenutzung"_s);
    } else {
        helpPanel->close();
    }
}

void MainWindow::closeHelp()
{
    helpPanel->close();
}
