// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueLists.h"

#include "platform/ListBox.h"

void CatalogueLists::replace(QStringList questions, QStringList answers)
{
    m_questions.setTexts(std::move(questions));
    m_answers.setTexts(std::move(answers));
    m_pairsUsedUp = 0;
}

void CatalogueLists::useUpCurrentPair()
{
    m_questions.removeText(0);
    m_answers.removeText(0);
    ++m_pairsUsedUp;
}
