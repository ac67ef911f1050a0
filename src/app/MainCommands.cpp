// SPDX-License-Identifier: GPL-3.0-or-later
// Wiring of the main window's command buttons, and the about box.
#include "MainWindow.h"
#include "Program.h"
#include "about/AboutBox.h"
#include "platform/PictureButton.h"

#include <QLabel>

void MainWindow::wireCommands()
{
    connect(quitButton, &PictureButton::clicked, this, &MainWindow::quit);
    connect(editorButton, &PictureButton::clicked, this, &MainWindow::openEditor);
    connect(helpButton, &PictureButton::clicked, this, &MainWindow::toggleHelp);
    connect(questionCountButton, &PictureButton::clicked, this, &MainWindow::askQuestionCount);
    connect(errorRateButton, &PictureButton::clicked, this, &MainWindow::showErrorRate);
    connect(solutionRateButton, &PictureButton::clicked, this, &MainWindow::showSolutionRate);
    connect(aboutButton, &PictureButton::clicked, this, &MainWindow::showAboutBox);

    // The help text breaks its lines at lone carriage returns. A plain label draws those as
    // blanks; laid out as a text document they end the line. Without focus nothing can be
    // selected, so the panel still reads and clicks like a plain label.
    helpPanel->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    helpPanel->setFocusPolicy(Qt::NoFocus);
    helpPanel->setCursor(Qt::PointingHandCursor);
}

// Shown again, an open about box comes to the front and places itself anew.
void MainWindow::showAboutBox()
{
    AboutBox &about = m_program.aboutBox();
    about.show();
    about.raise();
    about.activateWindow();
}
