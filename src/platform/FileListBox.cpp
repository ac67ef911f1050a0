// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileListBox.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

FileListBox::FileListBox(QWidget *parent)
    : ListBox(Order::AsAdded, parent), m_path(QDir::currentPath()), m_pattern(u"*"_s)
{
    reread();
}

void FileListBox::setPath(const QString &path)
{
    m_path = QDir::cleanPath(QDir(path).absolutePath());
    reread();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    reread();
}

QString FileListBox::filePath(int row) const
{
    if (row < 0 || row >= count())
        return {};
    return QDir(m_path).filePath(text(row));
}

QStringList FileListBox::matchingFiles(const QString &folder, const QString &pattern)
{
    // Without QDir::CaseSensitive the name filters ignore letter case. QDir::Files leaves out
    // FIFOs and devices but keeps a symbolic link to one, which the readers refuse; only what
    // leads to a regular file is offered.
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(
            pattern.split(u';', Qt::SkipEmptyParts), QDir::Files, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        if (entry.isFile())
            names.append(entry.fileName());
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int byLetters = a.compare(b, Qt::CaseInsensitive);
        return byLetters != 0 ? byLetters < 0 : a < b;
    });
    return names;
}

void FileListBox::reread()
{
    setTexts(matchingFiles(m_path, m_pattern));
}
