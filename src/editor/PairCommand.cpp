// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCommand.h"

#include "platform/ListBox.h"

PairCommand::PairCommand(Change change, const CatalogueLists &catalogue, int row, QString question,
                         QString answer, int rowBefore, bool &edited)
    : m_change(change)
    , m_catalogue(catalogue)
    , m_row(row)
    , m_question(std::move(question))
    , m_answer(std::move(answer))
    , m_rowBefore(rowBefore)
    , m_edited(edited)
{ }

void PairCommand::undo()
{
    if (m_change == Change::Added)
        removePair();
    else
        insertPair();
    select(m_rowBefore);
    m_edited = true;
}

// The first redo is the change the editor has just made.
void PairCommand::redo()
{
    if (std::exchange(m_done, false))
        return;
    if (m_change == Change::Added) {
        insertPair();
        select(m_row);
    } else {
        removePair();
        select(m_catalogue.questions().count() > 0 ? 0 : -1);
    }
    m_edited = true;
}

void PairCommand::insertPair()
{
    m_catalogue.questions().insertText(m_row, m_question);
    m_catalogue.answers().insertText(m_row, m_answer);
}

void PairCommand::removePair()
{
    m_catalogue.questions().removeText(m_row);
    m_catalogue.answers().removeText(m_row);
}

void PairCommand::select(int row)
{
    m_catalogue.questions().setCurrentRow(row);
    m_catalogue.answers().setCurrentRow(row);
}
