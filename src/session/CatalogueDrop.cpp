// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueDrop.h"

#include "QuizProcedures.h"
#include "catalogue/SpreadsheetFile.h"
#include "platform/FileDrop.h"

#include <QDropEvent>
#include <QWidget>

CatalogueDrop::CatalogueDrop(QWidget &window, std::initializer_list<DroppedFileKind> kinds,
                             Session &session, Take take)
    : QObject(&window)
    , m_window(window)
    , m_kinds(kinds)
    , m_session(session)
    , m_take(std::move(take))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void CatalogueDrop::passOnFrom(QWidget &input)
{
    input.installEventFilter(this);
}

bool CatalogueDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    const DroppedFile file = takeFileDrop(drag, m_kinds);
    if (watched != &m_window) {
        // Declined here, the drag is offered to the window next.
        if (file.kind == DroppedFileKind::Refused)
            return false;
        event->ignore();
        return true;
    }
    if (type == QEvent::Drop && event->isAccepted())
        QMetaObject::invokeMethod(
                this, [this, file] { load(file); }, Qt::QueuedConnection);
    return true;
}

void CatalogueDrop::load(const DroppedFile &file)
{
    CatalogueReadResult read = file.kind == DroppedFileKind::Spreadsheet
            ? readSpreadsheetFile(file.path)
            : readCatalogueFile(file.path);
    if (!read.error.isEmpty()) {
        QuizProcedures::reportReadError(m_session, read.error);
        return;
    }
    m_take(std::move(read), file.name);
}
