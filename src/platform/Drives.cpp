// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// File systems that only show the kernel's or the system's state; nobody keeps catalogues there.
bool isPseudoType(const QByteArray &type)
{
    static const std::array<QByteArrayView, 22> pseudoTypes{
            "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
            "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
            "mqueue",     "nsfs",        "proc",     "pstore",   "rootfs",  "rpc_pipefs",
            "securityfs", "selinuxfs",   "sysfs",    "tracefs"};
    return std::find(pseudoTypes.begin(), pseudoTypes.end(), QByteArrayView(type))
            != pseudoTypes.end();
}

bool isUnder(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + u'/');
}

bool isSystemPlace(const QString &root)
{
    if (isUnder(root, u"/run/media"_s))
        return false;
    return isUnder(root, u"/proc"_s) || isUnder(root, u"/sys"_s) || isUnder(root, u"/dev"_s)
            || isUnder(root, u"/run"_s);
}

} // namespace

QList<Drive> mountedDrives()
{
    QList<Drive> drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (isPseudoType(volume.fileSystemType()) || isSystemPlace(root)
            || !QFileInfo(root).isDir())
            continue;
        const bool known = std::any_of(drives.begin(), drives.end(),
                                       [&](const Drive &drive) { return drive.root == root; });
        if (!known)
            drives.append({root, volume.name()});
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive &a, const Drive &b) { return a.root < b.root; });
    return drives;
}

QString driveOf(const QString &path)
{
    QDir folder(QDir::cleanPath(QDir(path).absolutePath()));
    while (!folder.exists() && !folder.isRoot())
        folder.setPath(QDir::cleanPath(folder.absoluteFilePath(u".."_s)));
    const QStorageInfo volume(folder.absolutePath());
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}
