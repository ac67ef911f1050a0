// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/SpeechService.h"

#include <QStringList>

// Keeps every text it was asked to read aloud, in order, empty ones too, so that a test sees
// exactly what its caller passed.
class RecordingSpeech final : public SpeechService
{
public:
    void say(const QString &text) override { said << text; }

    QStringList said;
};
