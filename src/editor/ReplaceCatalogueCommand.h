// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CatalogueLists.h"

#include <QUndoCommand>

// The whole catalogue replaced in the editor: emptied by "Neue Datei", or a file, a dropped file
// or a word list loaded. Kept in the editor's history once the editor has made the change, so
// its first redo() does nothing; undone and redone, the lists and the catalogue's record are put
// back as they were. The main window's choice list and counters stay as the load left them.
class ReplaceCatalogueCommand : public QUndoCommand
{
public:
    ReplaceCatalogueCommand(const CatalogueLists &catalogue, CatalogueLists::Snapshot before,
                            bool &edited);

    void undo() override;
    void redo() override;

private:
    CatalogueLists m_catalogue;
    CatalogueLists::Snapshot m_before;
    CatalogueLists::Snapshot m_after;
    bool &m_edited;
    bool m_done = true;
};
