// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QTreeWidget>

// A folder list: the folders from its drive's root down to the current folder, opened one
// inside the other, then the subfolders of the current folder. A double-click opens a folder.
// Setting the path, from code or by a double-click, emits pathChanged() at once, before the call
// returns; setting the path it already has emits nothing. The folders are read synchronously,
// so the list is complete when the call returns. It starts in the working directory.
class DirListBox : public QTreeWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);

    QString path() const { return m_path; }

    // False, with nothing changed, when the folder does not exist or cannot be entered.
    bool setPath(const QString &path);

    // Goes to the drive's current folder: the one this list showed last on that drive, at
    // first the working directory if it lies there, else the drive's root. False, with nothing
    // changed, when the drive cannot be entered (for instance when it is no longer mounted).
    bool enterDrive(const QString &driveRoot);

Q_SIGNALS:
    void pathChanged();

private:
    void fill();

    QString m_path;
    QHash<QString, QString> m_lastFolderOnDrive;
};
