// SPDX-License-Identifier: GPL-3.0-or-later
// The layout list: opened for printing or copying, its entries back with every activation of the
// window, and the whole catalogue printed or copied in the layout double-clicked.
#include "EditorWindow.h"

#include "LayoutListMode.h"
#include "output/EditorLayouts.h"
#include "platform/ListBox.h"
#include "session/Session.h"

#include <QEvent>
#include <QUndoStack>

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
    if (!m_layoutList->isHidden()) {
        m_layoutList->hide();
        return;
    }
    setLayoutListMode(*m_layoutList, mode);
    m_layoutList->show();
}

// Also on showing: a window manager need not activate a new window.
void EditorWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refillLayoutList();
    m_history->clear();
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
    m_layoutList->setTexts(editorLayoutNames());
}

// The list closes first; the next output needs its button again.
void EditorWindow::outputChosenLayout()
{
    m_layoutList->hide();
    produceEditorOutput(editorLayoutAt(m_layoutList->currentRow()), layoutListMode(*m_layoutList),
                        m_questionList->texts(), m_answerList->texts(),
                        {m_session.dialogs(), m_session.printer(), m_session.clipboard()});
}
