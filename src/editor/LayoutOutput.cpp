// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's output of the whole catalogue in the layout double-clicked in its layout list.
#include "EditorWindow.h"

#include "LayoutListMode.h"
#include "session/Session.h"
#include "platform/ListBox.h"

void EditorWindow::wireLayoutOutput()
{
    connect(layoutList, &ListBox::rowDoubleClicked, this, &EditorWindow::outputChosenLayout);
}

// The list closes first; the next output needs its button again.
void EditorWindow::outputChosenLayout()
{
    layoutList->hide();
    produceEditorOutput(editorLayoutAt(layoutList->currentRow()), layoutListMode(*layoutList),
                        questionList->texts(), answerList->texts(),
                        {m_session.dialogs(), m_session.printer(), m_session.clipboard()});
}
