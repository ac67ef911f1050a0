// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandInSpeechEngine.h"

#include <QMutex>
#include <QMutexLocker>
#include <QWaitCondition>

using namespace Qt::StringLiterals;

namespace {

// Shared by the engines of the process and the test's controls.
struct Stage
{
    QMutex mutex;
    QWaitCondition opened;
    StandInSpeechScript script;
    bool closed = false;
    QStringList readings;
} stage;

void waitAtGate()
{
    const QMutexLocker lock(&stage.mutex);
    while (stage.closed)
        stage.opened.wait(&stage.mutex);
}

StandInSpeechScript currentScript()
{
    const QMutexLocker lock(&stage.mutex);
    return stage.script;
}

} // namespace

void standInSpeechScript(const StandInSpeechScript &script)
{
    const QMutexLocker lock(&stage.mutex);
    stage.script = script;
    stage.readings.clear();
    stage.closed = script.holdsStart || script.holdsReading;
}

void standInSpeechHold(bool hold)
{
    const QMutexLocker lock(&stage.mutex);
    stage.closed = hold;
    stage.opened.wakeAll();
}

QStringList standInSpeechReadings()
{
    const QMutexLocker lock(&stage.mutex);
    return stage.readings;
}

StandInSpeechEngine::StandInSpeechEngine(QObject *parent)
    : QTextToSpeechEngine(parent), m_script(currentScript())
{
    // Like speech-dispatcher's engine: the first voice, unless that start fails.
    if (!m_script.failsToStart && !m_script.locales.isEmpty())
        m_locale = m_script.locales.first();
    if (m_script.holdsStart)
        waitAtGate();
}

QList<QVoice> StandInSpeechEngine::availableVoices() const
{
    if (!m_script.locales.contains(m_locale))
        return {};
    return {createVoice(u"Stimme "_s + m_locale.name(), m_locale, QVoice::Unknown, QVoice::Other,
                        {})};
}

void StandInSpeechEngine::say(const QString &text)
{
    {
        const QMutexLocker lock(&stage.mutex);
        stage.readings << m_locale.name() + u": "_s + text;
    }
    if (m_script.holdsReading)
        waitAtGate();
}

bool StandInSpeechEngine::setLocale(const QLocale &locale)
{
    if (!m_script.locales.contains(locale))
        return false;
    m_locale = locale;
    return true;
}

// Like speech-dispatcher's engine, one whose start failed stays in its error, reading or not.
QTextToSpeech::State StandInSpeechEngine::state() const
{
    return m_script.failsToStart ? QTextToSpeech::Error : QTextToSpeech::Ready;
}
