// SPDX-License-Identifier: GPL-3.0-or-later
// Wiring of the main window's command buttons, and the about box.
#include "Form1.h"
#include "Program.h"
#include "about/ZELLABEL.h"
#include "platform/PictureButton.h"

#include <QLabel>

void Form1::wireCommands()
{
    connect(Bild1, &PictureButton::clicked, this, &Form1::Bild1_Click);
    connect(Bild4, &PictureButton::clicked, this, &Form1::Bild4_Click);
    connect(Bild5, &PictureButton::clicked, this, &Form1::Bild5_Click);
    connect(Bild7, &PictureButton::clicked, this, &Form1::Bild7_Click);
    connect(Bild8, &PictureButton::clicked, this, &Form1::Bild8_Click);
    connect(Bild9, &PictureButton::clicked, this, &Form1::Bild9_Click);
    connect(Bild14, &PictureButton::clicked, this, &Form1::Bild14_Click);

    // The help text breaks its lines at lone carriage returns. A plain label draws those as
    // blanks; laid out as a text document they end the line. Without focus nothing can be
    // selected, so the panel still reads and clicks like a plain label.
    Bezeichnung11->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    Bezeichnung11->setFocusPolicy(Qt::NoFocus);
    Bezeichnung11->setCursor(Qt::PointingHandCursor);
}

// Shown again, an open about box comes to the front and places itself anew.
void Form1::Bild14_Click()
{
    ZELLABEL &about = m_program.zellabel();
    about.show();
    about.raise();
    about.activateWindow();
}
