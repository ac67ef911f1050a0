// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/SpeechService.h"

class QTextToSpeech;

// Reading aloud through Qt TextToSpeech with a German voice. The engine is started by the first
// text to be read, so that a program that never reads aloud does not wait for it (starting the
// speech server takes seconds). Without an engine or without a German voice nothing is read; one
// line on standard error says so, once. Meant to live as long as the program: see the destructor.
class QtSpeechService final : public SpeechService
{
public:
    // `engine`: a Qt TextToSpeech engine by name; empty for the system's default.
    explicit QtSpeechService(const QString &engine = {});
    ~QtSpeechService() override;

    void say(const QString &text) override;

private:
    bool started();
    void complain(const QString &reason, const QString &detail = {});

    QString m_engineName;
    QTextToSpeech *m_speech = nullptr; // left to the end of the program, never deleted
    bool m_tried = false;
    bool m_complained = false;
};
