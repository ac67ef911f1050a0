// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/SpeechService.h"

#include <QTimer>

class QThread;
class SpeechWorker;

// Reading aloud through Qt TextToSpeech, German unless the engine has a voice for the language
// asked. The engine's calls wait for the speech server without a time-out, and a server that has
// lost its sound output never answers, so the engine lives on a thread of its own
// (SpeechWorker): say() only hands the text over and never waits. The engine is started by the
// first text to be read, so that a program that never reads aloud does not wait for it (starting
// the speech server takes seconds). Without an engine or without a German voice nothing is read;
// one line on standard error says so, once. Meant to live as long as the program: see the
// destructor.
class QtSpeechService final : public SpeechService
{
public:
    // `engine`: a Qt TextToSpeech engine by name; empty for the system's default.
    explicit QtSpeechService(const QString &engine = {});
    ~QtSpeechService() override;

    // Hands the engine only what a display shows of `text` (displayedPart).
    void say(const QString &text, const QLocale &language) override;

private:
    void start();
    void endWait();

    QString m_engineName;
    QThread *m_thread = nullptr;      // see the destructor
    SpeechWorker *m_worker = nullptr; // on m_thread, ended with it
    QTimer m_startBound;              // ends the wait cursor if the engine's start hangs
    bool m_waiting = false;           // the wait cursor is ours
};
