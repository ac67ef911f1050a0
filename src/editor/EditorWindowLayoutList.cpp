// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the layout list for printing or copying, and its entries, which come back with every
// activation of the window.
#include "EditorWindow.h"

#include "LayoutListMode.h"
#include "output/EditorLayouts.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"
#include "platform/UiFont.h"

#include <QEvent>

void EditorWindow::setUpLayoutList()
{
    layoutList->setFont(uiFont(9.75));
    connect(printLayoutButton, &PictureButton::clicked, this,
            &EditorWindow::openLayoutListForPrinting);
    connect(copyLayoutButton, &PictureButton::clicked, this,
            &EditorWindow::openLayoutListForCopying);
}

void EditorWindow::openLayoutListForPrinting()
{
    openOrCloseLayoutList(OutputMode::Print);
}

void EditorWindow::openLayoutListForCopying()
{
    openOrCloseLayoutList(OutputMode::Copy);
}

// An open list is closed by either button without its mode being switched.
void EditorWindow::openOrCloseLayoutList(OutputMode mode)
{
    if (!layoutList->isHidden()) {
        layoutList->hide();
        return;
    }
    setLayoutListMode(*layoutList, mode);
    layoutList->show();
}

// Also on showing: a window manager need not activate a new window.
void EditorWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refillLayoutList();
}

void EditorWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refillLayoutList();
}

// Refilled rather than filled once: the list never gathers duplicates, and its selection is
// lost with each activation.
void EditorWindow::refillLayoutList()
{
    layoutList->setTexts(editorLayoutNames());
}
