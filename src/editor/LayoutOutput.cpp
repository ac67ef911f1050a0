// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's output of the whole catalogue in the layout double-clicked in its layout list.
#include "Form2.h"

#include "LayoutListMode.h"
#include "app/Program.h"
#include "platform/ListBox.h"

void Form2::wireLayoutOutput()
{
    connect(Liste3, &ListBox::DblClick, this, &Form2::Liste3_DblClick);
}

// The list closes first; the next output needs its button again.
void Form2::Liste3_DblClick()
{
    Liste3->hide();
    produceEditorOutput(editorLayoutAt(Liste3->listIndex()), layoutListMode(*Liste3),
                        Liste1->texts(), Liste2->texts(),
                        {m_program.dialogs(), m_program.printer(), m_program.clipboard()});
}
