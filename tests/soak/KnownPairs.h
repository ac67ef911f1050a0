// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <QSet>
#include <QString>
#include <utility>

// Every pair that something put into the program: the standard pairs, the pairs of every file
// the soak wrote, the entries typed into the editor. A pair in the catalogue that is not here
// came from nowhere: halves of different pairs joined, or a text changed on its way.
class KnownPairs
{
public:
    void add(const QString &question, const QString &answer)
    {
        m_pairs.insert({question, answer});
        m_questions.insert(question);
        m_answers.insert(answer);
    }

    void add(const Catalogue &catalogue)
    {
        for (qsizetype i = 0; i < catalogue.questions.size(); ++i)
            add(catalogue.questions[i], catalogue.answers[i]);
    }

    bool hasPair(const QString &question, const QString &answer) const
    {
        return m_pairs.contains({question, answer});
    }
    bool hasQuestion(const QString &question) const { return m_questions.contains(question); }
    bool hasAnswer(const QString &answer) const { return m_answers.contains(answer); }

private:
    QSet<std::pair<QString, QString>> m_pairs;
    QSet<QString> m_questions;
    QSet<QString> m_answers;
};
