// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class ListBox;

// The live catalogue: pair i is row i of both lists, which the editor window holds. It also
// knows how many pairs practice has used up since the catalogue came in or was last saved:
// the lists no longer hold them, so a file saved now would lack them too.
class CatalogueLists
{
public:
    CatalogueLists(ListBox &questions, ListBox &answers, int &pairsUsedUp)
        : m_questions(questions), m_answers(answers), m_pairsUsedUp(pairsUsedUp)
    { }

    ListBox &questions() const { return m_questions; }
    ListBox &answers() const { return m_answers; }

    // Another catalogue takes the place of this one: a file, the standard pairs, or none at all.
    void replace(QStringList questions, QStringList answers);
    // A right answer uses the current pair, row 0, up.
    void useUpCurrentPair();

    int pairsUsedUp() const { return m_pairsUsedUp; }
    // The catalogue as it stands is in a file now.
    void markSaved() { m_pairsUsedUp = 0; }

private:
    ListBox &m_questions;
    ListBox &m_answers;
    int &m_pairsUsedUp;
};
