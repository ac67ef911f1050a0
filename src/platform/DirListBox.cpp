// SPDX-License-Identifier: GPL-3.0-or-later
#include "DirListBox.h"

#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {

constexpr int pathRole = Qt::UserRole;

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

bool canEnter(const QString &path)
{
    const QFileInfo folder(path);
    return folder.isDir() && folder.isReadable() && folder.isExecutable();
}

} // namespace

DirListBox::DirListBox(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(12);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { setPath(item->data(0, pathRole).toString()); });
    setPath(QDir::currentPath());
}

bool DirListBox::setPath(const QString &path)
{
    const QString wanted = absoluteClean(path);
    if (!canEnter(wanted))
        return false;
    m_lastFolderOnDrive.insert(driveOf(wanted), wanted);
    if (wanted == m_path)
        return true;
    m_path = wanted;
    fill();
    Q_EMIT pathChanged();
    return true;
}

bool DirListBox::enterDrive(const QString &driveRoot)
{
    const QString root = absoluteClean(driveRoot);
    const QString last = m_lastFolderOnDrive.value(root, root);
    // A folder removed since falls back to the root of its drive.
    return canEnter(last) ? setPath(last) : setPath(root);
}

void DirListBox::fill()
{
    clear();
    const QString root = driveOf(m_path);
    QStringList chain; // from the current folder up to the drive's root
    for (QDir folder(m_path);;
         folder.setPath(QDir::cleanPath(folder.absoluteFilePath(QStringLiteral(".."))))) {
        chain.prepend(folder.absolutePath());
        if (folder.absolutePath() == root || folder.isRoot())
            break;
    }

    const QIcon openFolder = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem *parentItem = nullptr;
    for (const QString &folder : chain) {
        const QString name = parentItem ? QFileInfo(folder).fileName() : folder;
        auto *item = parentItem ? new QTreeWidgetItem(parentItem, {name})
                                : new QTreeWidgetItem(this, {name});
        item->setIcon(0, openFolder);
        item->setData(0, pathRole, folder);
        item->setExpanded(true);
        parentItem = item;
    }
    setCurrentItem(parentItem);

    const QIcon closedFolder = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir current(m_path);
    const QStringList subfolders =
            current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(parentItem, {name});
        item->setIcon(0, closedFolder);
        item->setData(0, pathRole, current.absoluteFilePath(name));
    }
    scrollToItem(parentItem, QAbstractItemView::PositionAtTop);
}
