// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSpeechService.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QScopeGuard>
#include <QTextToSpeech>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// German as spoken in Germany when the engine has it, else any German.
std::optional<QLocale> germanLocale(const QList<QLocale> &locales)
{
    std::optional<QLocale> german;
    for (const QLocale &locale : locales) {
        if (locale.language() != QLocale::German)
            continue;
        if (locale.territory() == QLocale::Germany)
            return locale;
        if (!german)
            german = locale;
    }
    return german;
}

} // namespace

QtSpeechService::QtSpeechService(const QString &engine) : m_engineName(engine) { }

QtSpeechService::~QtSpeechService()
{
    // A speech server that has lost its sound output stops answering, and deleting or even
    // stopping the engine would wait for its answer for ever, so that the program could not be
    // quit. The engine is left to the end of the process, which closes the connection.
    if (m_speech)
        m_speech->disconnect();
}

void QtSpeechService::say(const QString &text)
{
    if (text.isEmpty() || !started())
        return;
    m_speech->stop(QTextToSpeech::BoundaryHint::Immediate);
    m_speech->say(text);
}

bool QtSpeechService::started()
{
    if (m_tried)
        return m_speech != nullptr;
    m_tried = true;
    // Starting the speech server takes seconds; the child sees that something is happening.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });

    auto speech = m_engineName.isEmpty() ? std::make_unique<QTextToSpeech>()
                                         : std::make_unique<QTextToSpeech>(m_engineName);
    if (speech->state() == QTextToSpeech::Error) {
        complain(u"keine Sprachausgabe gefunden"_s, speech->errorString());
        return false;
    }
    const std::optional<QLocale> german = germanLocale(speech->availableLocales());
    if (german)
        speech->setLocale(*german);
    if (!german || speech->availableVoices().isEmpty()) {
        complain(u"keine deutsche Stimme gefunden"_s);
        return false;
    }
    // A speech server that fails later, while reading, is reported the same way.
    QObject::connect(speech.get(), &QTextToSpeech::errorOccurred, speech.get(),
                     [this](QTextToSpeech::ErrorReason, const QString &reason) {
                         complain(u"Fehler der Sprachausgabe"_s, reason);
                     });
    m_speech = speech.release();
    return true;
}

void QtSpeechService::complain(const QString &reason, const QString &detail)
{
    if (m_complained)
        return;
    m_complained = true;
    QString line = u"ZEL-Merkbold: Vorlesen ist nicht möglich: "_s + reason;
    if (!detail.isEmpty())
        line += u" ("_s + detail + u')';
    line += u".\n"_s;
    std::fputs(line.toLocal8Bit().constData(), stderr);
}
