// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

class ListBox;

// The live catalogue: pair i is row i of both lists, which the editor window holds. Beside the
// pairs it keeps a record of the catalogue:
// - how many pairs practice has used up since the catalogue came in or was last saved: the
//   lists no longer hold them, so a file saved now would lack them too;
// - the language of its questions and of its answers, guessed once when a catalogue comes in,
//   so that each side is read aloud in its own language.
class CatalogueLists
{
public:
    struct Record
    {
        int pairsUsedUp = 0;
        std::optional<QLocale> questionLanguage; // none: no reliable guess
        std::optional<QLocale> answerLanguage;
    };

    // The whole catalogue as it stands, to be put back later.
    struct Snapshot
    {
        QStringList questions;
        QStringList answers;
        int currentRow = -1;
        Record record;
    };

    CatalogueLists(ListBox &questions, ListBox &answers, Record &record)
        : m_questions(questions), m_answers(answers), m_record(record)
    { }

    ListBox &questions() const { return m_questions; }
    ListBox &answers() const { return m_answers; }

    // Another catalogue takes the place of this one: a file, the standard pairs, or none at all.
    void replace(QStringList questions, QStringList answers);
    // A right answer uses the current pair, row 0, up.
    void useUpCurrentPair();

    int pairsUsedUp() const { return m_record.pairsUsedUp; }
    // The catalogue as it stands is in a file now.
    void markSaved() { m_record.pairsUsedUp = 0; }

    // Guesses the language of each side anew, after the pairs were edited.
    void guessLanguages();
    // The language a side is read in: the guessed one, German where there is no guess.
    QLocale questionLanguage() const;
    QLocale answerLanguage() const;

    Snapshot snapshot() const;
    void restore(const Snapshot &snapshot);

private:
    ListBox &m_questions;
    ListBox &m_answers;
    Record &m_record;
};
