// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueLists.h"

#include "catalogue/LanguageGuess.h"
#include "platform/ListBox.h"
#include "services/SpeechService.h"

void CatalogueLists::replace(QStringList questions, QStringList answers)
{
    m_questions.setTexts(std::move(questions));
    m_answers.setTexts(std::move(answers));
    m_record.pairsUsedUp = 0;
    guessLanguages();
}

void CatalogueLists::useUpCurrentPair()
{
    m_questions.removeText(0);
    m_answers.removeText(0);
    ++m_record.pairsUsedUp;
}

void CatalogueLists::guessLanguages()
{
    m_record.questionLanguage = guessLanguage(m_questions.texts());
    m_record.answerLanguage = guessLanguage(m_answers.texts());
}

QLocale CatalogueLists::questionLanguage() const
{
    return m_record.questionLanguage.value_or(readingLanguage());
}

QLocale CatalogueLists::answerLanguage() const
{
    return m_record.answerLanguage.value_or(readingLanguage());
}

CatalogueLists::Snapshot CatalogueLists::snapshot() const
{
    return {m_questions.texts(), m_answers.texts(), m_questions.currentRow(), m_record};
}

// The answer list follows the question list's row, as in the editor.
void CatalogueLists::restore(const Snapshot &snapshot)
{
    m_questions.setTexts(snapshot.questions);
    m_answers.setTexts(snapshot.answers);
    m_record = snapshot.record;
    m_questions.setCurrentRow(snapshot.currentRow);
    m_answers.setCurrentRow(snapshot.currentRow);
}
