// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the layout list for printing or copying, and its entries, which come back with every
// activation of the window.
#include "Form2.h"

#include "LayoutListMode.h"
#include "output/EditorLayouts.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"
#include "platform/UiFont.h"

#include <QEvent>

void Form2::setUpLayoutList()
{
    Liste3->setFont(uiFont(9.75));
    connect(Bild5, &PictureButton::clicked, this, &Form2::Bild5_Click);
    connect(Bild9, &PictureButton::clicked, this, &Form2::Bild9_Click);
}

void Form2::Bild5_Click()
{
    openOrCloseLayoutList(OutputMode::Print);
}

void Form2::Bild9_Click()
{
    openOrCloseLayoutList(OutputMode::Copy);
}

// An open list is closed by either button without its mode being switched.
void Form2::openOrCloseLayoutList(OutputMode mode)
{
    if (!Liste3->isHidden()) {
        Liste3->hide();
        return;
    }
    setLayoutListMode(*Liste3, mode);
    Liste3->show();
}

void Form2::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

// Refilled rather than filled once: the list never gathers duplicates, and its selection is
// lost with each activation.
void Form2::Form_Activate()
{
    Liste3->setTexts(editorLayoutNames());
}
