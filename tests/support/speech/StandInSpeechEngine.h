// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StandInSpeech.h"

#include <QTextToSpeechEngine>
#include <QVoice>

// Reads nothing aloud: notes what it is asked to read and waits where its script says (see
// StandInSpeech.h).
class StandInSpeechEngine final : public QTextToSpeechEngine
{
    Q_OBJECT

public:
    explicit StandInSpeechEngine(QObject *parent);

    QList<QLocale> availableLocales() const override { return m_script.locales; }
    QList<QVoice> availableVoices() const override;
    void say(const QString &text) override;
    void stop(QTextToSpeech::BoundaryHint) override { }
    void pause(QTextToSpeech::BoundaryHint) override { }
    void resume() override { }
    double rate() const override { return 0; }
    bool setRate(double) override { return false; }
    double pitch() const override { return 0; }
    bool setPitch(double) override { return false; }
    QLocale locale() const override { return m_locale; }
    bool setLocale(const QLocale &locale) override;
    double volume() const override { return 1; }
    bool setVolume(double) override { return false; }
    QVoice voice() const override { return availableVoices().value(0); }
    bool setVoice(const QVoice &voice) override { return setLocale(voice.locale()); }
    QTextToSpeech::State state() const override;
    QTextToSpeech::ErrorReason errorReason() const override { return {}; }
    QString errorString() const override { return {}; }

private:
    const StandInSpeechScript m_script;
    QLocale m_locale;
};
