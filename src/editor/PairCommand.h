// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/CatalogueLists.h"

#include <QUndoCommand>

// One pair added at the end of the catalogue by "Eingaben sichern", or deleted from its row by
// "Zeile löschen", as the editor's history keeps it: pushed once the editor has made the change,
// so its first redo() does nothing. Undone, the lists and their selected row are as before.
class PairCommand : public QUndoCommand
{
public:
    enum class Change { Added, Deleted };

    // `rowBefore`: the selected row before the change; `edited` is set whenever the catalogue
    // changes, as the editor's own changes set it.
    PairCommand(Change change, const CatalogueLists &catalogue, int row, QString question,
                QString answer, int rowBefore, bool &edited);

    void undo() override;
    void redo() override;

private:
    void insertPair();
    void removePair();
    void select(int row);

    Change m_change;
    CatalogueLists m_catalogue;
    int m_row;
    QString m_question;
    QString m_answer;
    int m_rowBefore;
    bool &m_edited;
    bool m_done = true;
};
