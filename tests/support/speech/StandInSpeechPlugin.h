// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StandInSpeechEngine.h"

#include <QObject>
#include <QTextToSpeechPlugin>

// Makes StandInSpeechEngine the Qt TextToSpeech engine "stand-in".
class StandInSpeechPlugin final : public QObject, public QTextToSpeechPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "stand-in.json")
    Q_INTERFACES(QTextToSpeechPlugin)

public:
    QTextToSpeechEngine *createTextToSpeechEngine(const QVariantMap &, QObject *parent,
                                                  QString *) const override
    {
        return new StandInSpeechEngine(parent);
    }
};
