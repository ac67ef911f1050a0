// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechWorker.h"

#include "services/SpeechService.h"

#include <QMutexLocker>
#include <QTextToSpeech>
#include <QVoice>

#ifdef MERKBOLD_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif

#include <algorithm>
#include <cstdio>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The offered locale for `language`: the same language in the same territory, else the first of
// the same language.
std::optional<QLocale> closestLocale(const QList<QLocale> &offered, const QLocale &language)
{
    std::optional<QLocale> sameLanguage;
    for (const QLocale &locale : offered) {
        if (locale.language() != language.language())
            continue;
        if (locale.territory() == language.territory())
            return locale;
        if (!sameLanguage)
            sameLanguage = locale;
    }
    return sameLanguage;
}

// The plainest of a locale's voices: espeak-ng, through speech-dispatcher, offers dozens for
// each language, variants marked with a "+" and regional accents named in brackets, and the
// first is not the usual one (for en_US it is "English (Caribbean)", before
// "English (America)"). The shortest name without a variant is the language's own voice.
std::optional<QVoice> plainestVoice(const QList<QVoice> &voices)
{
    const auto plainness = [](const QVoice &voice) {
        return std::pair(voice.name().contains(u'+'), voice.name().size());
    };
    const auto plainest =
            std::min_element(voices.begin(), voices.end(), [&](const QVoice &a, const QVoice &b) {
                return plainness(a) < plainness(b);
            });
    return plainest == voices.end() ? std::nullopt : std::optional(*plainest);
}

} // namespace

SpeechWorker::SpeechWorker(const QString &engineName) : m_engineName(engineName) { }

void SpeechWorker::offer(const QString &text, const QLocale &language)
{
    const QMutexLocker lock(&m_mutex);
    // A reading already waiting has its call to readLatest() on the way.
    if (!std::exchange(m_latest, Reading{text, language}))
        QMetaObject::invokeMethod(this, &SpeechWorker::readLatest, Qt::QueuedConnection);
}

void SpeechWorker::discard()
{
    const QMutexLocker lock(&m_mutex);
    m_latest.reset();
}

void SpeechWorker::readLatest()
{
    if (!std::exchange(m_tried, true)) {
        start();
        Q_EMIT startEnded();
    }
    std::optional<Reading> reading;
    {
        const QMutexLocker lock(&m_mutex);
        reading = std::exchange(m_latest, std::nullopt);
    }
    if (!reading || !m_speech)
        return;
    m_speech->setLocale(closestLocale(m_locales, reading->language).value_or(m_german));
    if (const std::optional<QVoice> voice = plainestVoice(m_speech->availableVoices()))
        m_speech->setVoice(*voice);
    m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    m_speech->say(reading->text);
}

void SpeechWorker::start()
{
    // Never deleted: where the sound output is broken, deleting or stopping the engine can hang.
    auto *speech = m_engineName.isEmpty() ? new QTextToSpeech : new QTextToSpeech(m_engineName);
#ifdef MERKBOLD_SANITIZED
    // Kept on purpose, so the leak check of the sanitizer build is told not to count it.
    __lsan_ignore_object(speech);
#endif
    m_locales = speech->availableLocales();
    if (m_locales.isEmpty()) {
        complain(u"keine Sprachausgabe gefunden"_s, speech->errorString());
        return;
    }
    // An engine that offers voices may still report an error here: speech-dispatcher's starts
    // with the desktop's own language and fails when that has no voice. Its German voice reads
    // all the same once chosen, so only the choice decides.
    const std::optional<QLocale> german = closestLocale(m_locales, readingLanguage());
    if (german)
        speech->setLocale(*german);
    if (!german || speech->locale() != *german || speech->availableVoices().isEmpty()) {
        complain(u"keine deutsche Stimme gefunden"_s);
        return;
    }
    m_german = *german;
    // A speech server that fails later, while reading, is reported the same way.
    connect(speech, &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString &reason) {
                complain(u"Fehler der Sprachausgabe"_s, reason);
            });
    m_speech = speech;
}

void SpeechWorker::complain(const QString &reason, const QString &detail)
{
    if (std::exchange(m_complained, true))
        return;
    QString line = u"ZEL-Merkbold: Vorlesen ist nicht möglich: "_s + reason;
    if (!detail.isEmpty())
        line += u" ("_s + detail + u')';
    line += u".\n"_s;
    std::fputs(line.toLocal8Bit().constData(), stderr);
}
