// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Reading texts aloud in German.
class SpeechService
{
public:
    virtual ~SpeechService() = default;

    // Stops what is being read, if anything, and reads `text` instead. An empty text changes
    // nothing: what is being read goes on. Returns at once; the reading runs on its own.
    virtual void say(const QString &text) = 0;
};
