// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

// The language the program reads in: what the windows pass while a text's own language is not
// known, and the voice a speech service falls back to when it has none for the language asked.
inline QLocale readingLanguage()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// Reading texts aloud.
class SpeechService
{
public:
    virtual ~SpeechService() = default;

    // Stops what is being read, if anything, and reads `text` instead, with a voice of
    // `language` if there is one, else with a readingLanguage() voice. An empty text changes
    // nothing: what is being read goes on. Returns at once; the reading runs on its own.
    virtual void say(const QString &text, const QLocale &language) = 0;
};
