// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>

#include <algorithm>

DroppedFile takeFileDrop(QDropEvent *event, std::initializer_list<DroppedFileKind> taken)
{
    const DroppedFile file = droppedFile(event->mimeData()->urls());
    // Qt hands a move on already accepted when the drag was accepted on entering.
    if (!event->possibleActions().testFlag(Qt::CopyAction)
        || std::find(taken.begin(), taken.end(), file.kind) == taken.end()) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return file;
}
