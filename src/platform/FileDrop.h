// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/DroppedFile.h"

#include <QList>

class QDropEvent;

// Accepts a drag entering or moving, or a drop, when it brings one file of the `taken` kinds,
// and returns that file; otherwise leaves the event refused, so that the cursor shows the drop
// is not possible, and returns a refused file. The file is only read, so the drop is always a
// copy: accepting a move would let the file manager delete the file.
DroppedFile takeFileDrop(QDropEvent *event, const QList<DroppedFileKind> &taken);
