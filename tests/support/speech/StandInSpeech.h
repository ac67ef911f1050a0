// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>
#include <QtGlobal>

// What the stand-in Qt TextToSpeech engine "stand-in" offers and where it gets stuck, as a
// speech server does that has lost its sound output. Each engine takes the script current at
// its start.
struct StandInSpeechScript
{
    QList<QLocale> locales; // a voice each
    // Reports an error at start, and reads all the same once told a locale.
    bool failsToStart = false;
    bool holdsStart = false;   // the start waits while the gate is closed
    bool holdsReading = false; // say() notes the reading, then waits while the gate is closed
};

// The controls, in the library that is the engine, which gui_tests links.
// Sets the script for the engines started from now on, forgets what was read, and closes the
// gate if the script holds anything.
Q_DECL_EXPORT void standInSpeechScript(const StandInSpeechScript &script);
// Closes or opens the gate.
Q_DECL_EXPORT void standInSpeechHold(bool hold);
// What the engines were asked to read, in order, each as "de_DE: text" with its locale.
Q_DECL_EXPORT QStringList standInSpeechReadings();
