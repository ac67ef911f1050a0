// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The "drives" of this desktop: the mounted file systems a user keeps files on, each named by
// its mount point (a drive letter's root on Windows).
struct Drive
{
    QString root;  // mount point, e.g. "/" or "/media/stick"
    QString label; // volume name, empty when it has none

    friend bool operator==(const Drive &, const Drive &) = default;
};

// Mounted file systems without the kernel's and the system's own (proc, sysfs, cgroup, ...,
// anything under /proc, /sys, /dev or /run except removable media), without mounts of single
// files, sorted by mount point.
QList<Drive> mountedDrives();

// Mount point of the file system that holds the path. A path that does not exist (any more)
// is taken by its nearest existing parent folder.
QString driveOf(const QString &path);
