// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSpeechService.h"

#include "SpeechWorker.h"
#include "platform/DisplayText.h"

#include <QCursor>
#include <QGuiApplication>
#include <QThread>

#include <utility>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

QtSpeechService::QtSpeechService(const QString &engine) : m_engineName(engine)
{
    // speech-dispatcher starts in about three seconds; one that takes far longer is stuck, and
    // the wait cursor goes all the same.
    m_startBound.setSingleShot(true);
    m_startBound.setInterval(10s);
    QObject::connect(&m_startBound, &QTimer::timeout, [this] { endWait(); });
}

QtSpeechService::~QtSpeechService()
{
    endWait();
    if (!m_thread)
        return;
    // The thread may be stuck inside the speech server's library for ever. Waiting for it would
    // keep the program from ending, and destroying a running QThread aborts the program. So the
    // thread is only asked to end: it finishes and frees itself once the engine lets it, or the
    // end of the process takes it along, with the engine that is never deleted.
    m_worker->discard();
    m_thread->quit();
}

void QtSpeechService::say(const QString &text, const QLocale &language)
{
    if (text.isEmpty())
        return;
    if (!m_thread)
        start();
    // A question of megabytes would keep the engine busy for seconds, and nobody listens to more
    // than the display shows.
    m_worker->offer(displayedPart(text), language);
}

void QtSpeechService::start()
{
    m_thread = new QThread;
    m_thread->setObjectName(u"speech"_s);
    m_worker = new SpeechWorker(m_engineName);
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    QObject::connect(m_worker, &SpeechWorker::startEnded, &m_startBound, [this] { endWait(); });
    // Starting the speech server takes seconds; the child sees that something is happening,
    // while the window goes on answering.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_waiting = true;
    m_startBound.start();
    m_thread->start();
}

void QtSpeechService::endWait()
{
    if (!std::exchange(m_waiting, false))
        return;
    m_startBound.stop();
    QGuiApplication::restoreOverrideCursor();
}
