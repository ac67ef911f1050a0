// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListBox.h"

// A file list: the names, without folder, of the files in its folder that match its pattern,
// letter case ignored in matching and in the order (names that differ only in case keep a fixed
// order, capitals first). Setting the path or the pattern re-reads the folder at once, before
// the call returns, and leaves no file selected; the folder is read synchronously. Selecting,
// clicking and double-clicking work as in every ListBox. It starts in the working directory
// with the pattern "*".
class FileListBox : public ListBox
{
    Q_OBJECT

public:
    explicit FileListBox(QWidget *parent = nullptr);

    void setPath(const QString &path);

    QString pattern() const { return m_pattern; }
    // Several patterns are separated by ";", as in "*.TXT;*.CSV".
    void setPattern(const QString &pattern);

    // Full path of the file in that row, "" for a row that does not exist.
    QString filePath(int row) const;

    // The names a folder gives for the patterns, in the list's order.
    static QStringList matchingFiles(const QString &folder, const QString &pattern);

private:
    void reread();

    QString m_path;
    QString m_pattern;
};
