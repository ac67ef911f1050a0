// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QMutex>
#include <QObject>
#include <QString>

#include <optional>

class QTextToSpeech;

// The speech engine and everything that talks to it, on a thread of its own (QtSpeechService
// owns that thread): the engine's calls wait for the speech server without a time-out, so only
// this thread may ever wait for them. The first reading starts the engine.
class SpeechWorker final : public QObject
{
    Q_OBJECT

public:
    explicit SpeechWorker(const QString &engineName);

    // From any thread, and never waits for the engine: `text` replaces the reading not begun
    // yet, so that however long the engine is stuck, only the latest reading waits for it.
    void offer(const QString &text, const QLocale &language);
    // From any thread: the reading not begun yet is dropped.
    void discard();

Q_SIGNALS:
    // The engine has started, or has failed to start.
    void startEnded();

private:
    struct Reading
    {
        QString text;
        QLocale language;
    };

    void readLatest();
    void start();
    void complain(const QString &reason, const QString &detail = {});

    QMutex m_mutex; // guards m_latest only; never held while the engine works
    std::optional<Reading> m_latest;

    // The rest belongs to the worker's thread.
    QString m_engineName;
    QTextToSpeech *m_speech = nullptr; // left to the end of the process, never deleted
    QList<QLocale> m_locales;          // the engine's, with a voice each
    QLocale m_german;                  // the engine's readingLanguage(), for any other language
    bool m_tried = false;
    bool m_complained = false;
};
