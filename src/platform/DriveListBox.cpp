// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriveListBox.h"

#include <QDir>

using namespace Qt::StringLiterals;

DriveListBox::DriveListBox(QWidget *parent)
    : QComboBox(parent), m_drive(driveOf(QDir::currentPath()))
{
    setDrives(mountedDrives());
    connect(this, &QComboBox::currentIndexChanged, this, &DriveListBox::followUser);
}

void DriveListBox::setDrive(const QString &path)
{
    const QString root = driveOf(path);
    if (root == m_drive)
        return;
    m_drive = root;
    showDrive();
    Q_EMIT driveChanged();
}

void DriveListBox::setDrives(const QList<Drive> &drives)
{
    m_filling = true;
    clear();
    for (const Drive &drive : drives)
        addDrive(drive);
    m_filling = false;
    showDrive();
}

void DriveListBox::showPopup()
{
    setDrives(mountedDrives());
    QComboBox::showPopup();
}

void DriveListBox::addDrive(const Drive &drive)
{
    const QString shown =
            drive.label.isEmpty() ? drive.root : u"%1  [%2]"_s.arg(drive.root, drive.label);
    addItem(shown, drive.root);
}

// The chosen drive is always in the list, even when it is one the filter leaves out.
void DriveListBox::showDrive()
{
    m_filling = true;
    if (findData(m_drive) < 0)
        addDrive({m_drive, {}});
    setCurrentIndex(findData(m_drive));
    m_filling = false;
}

void DriveListBox::followUser(int index)
{
    if (m_filling || index < 0)
        return;
    const QString root = itemData(index).toString();
    if (root == m_drive)
        return;
    m_drive = root;
    Q_EMIT driveChanged();
}
