// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Drives.h"

#include <QComboBox>

// A drive list: the drives in a drop-down list, each shown by its mount point and its label.
// It starts on the drive of the working directory. Choosing another drive, by the user or from
// code, emits driveChanged() at once, before the call returns; choosing the drive it already has
// emits nothing.
class DriveListBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveListBox(QWidget *parent = nullptr);

    // Mount point of the chosen drive.
    QString drive() const { return m_drive; }

    // Chooses the drive that holds the path; a drive not offered yet is added.
    void setDrive(const QString &path);

    // Replaces the drives offered, keeping the chosen one; emits nothing.
    void setDrives(const QList<Drive> &drives);

Q_SIGNALS:
    void driveChanged();

protected:
    // A medium mounted since the list was filled shows up when the list is opened.
    void showPopup() override;

private:
    void addDrive(const Drive &drive);
    void showDrive();
    void followUser(int index);

    QString m_drive;
    bool m_filling = false;
};
