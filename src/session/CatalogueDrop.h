// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"
#include "catalogue/DroppedFile.h"

#include <QObject>

#include <functional>
#include <initializer_list>

class Session;
class QWidget;

// Catalogue files and word lists dragged from a file manager onto a window. The window takes
// one local file of its kinds, always as a copy, so that a file manager never deletes it; any
// other drag is refused as it enters, and the cursor shows it. The file is read just after the
// drop has ended, so that the boxes of the load do not hold the file manager in the middle of
// the drop. A file that cannot be read at all (too large, not a plain file, unreadable) shows its
// reason and changes nothing: a drop is no choice in a file list, and the lists may hold work
// not saved yet. Otherwise the pairs read go to the window as a load from its file list would.
class CatalogueDrop : public QObject
{
public:
    using Take = std::function<void(CatalogueReadResult read, const QString &fileName)>;

    CatalogueDrop(QWidget &window, std::initializer_list<DroppedFileKind> kinds, Session &session,
                  Take take);

    // An input box would take a dragged file's path as text; it passes the drag on instead.
    void passOnFrom(QWidget &input);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(const DroppedFile &file);

    QWidget &m_window;
    QList<DroppedFileKind> m_kinds;
    Session &m_session;
    Take m_take;
};
