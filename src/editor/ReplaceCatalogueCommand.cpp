// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplaceCatalogueCommand.h"

ReplaceCatalogueCommand::ReplaceCatalogueCommand(const CatalogueLists &catalogue,
                                                 CatalogueLists::Snapshot before, bool &edited)
    : m_catalogue(catalogue)
    , m_before(std::move(before))
    , m_after(catalogue.snapshot())
    , m_edited(edited)
{ }

// The choice list was filled for the catalogue that came in, so it may offer no right answer
// now: leaving with the catalogue builds a new practice set.
void ReplaceCatalogueCommand::undo()
{
    m_catalogue.restore(m_before);
    m_edited = true;
}

// The first redo is the change the editor has just made.
void ReplaceCatalogueCommand::redo()
{
    if (std::exchange(m_done, false))
        return;
    m_catalogue.restore(m_after);
    m_edited = true;
}
