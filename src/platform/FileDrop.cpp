// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>

DroppedFile takeFileDrop(QDropEvent *event, const QList<DroppedFileKind> &taken)
{
    const DroppedFile file = droppedFile(event->mimeData()->urls());
    // Qt hands a move on already accepted when the drag was accepted on entering.
    if (!event->possibleActions().testFlag(Qt::CopyAction) || !taken.contains(file.kind)) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return file;
}
