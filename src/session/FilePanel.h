// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class Dialogs;
class DirListBox;
class DriveListBox;
class FileListBox;

// A red panel with a drive list, a folder list and a list of catalogue files that follow each
// other: a drive chosen moves the folder list to that drive's current folder, a folder chosen
// lists its catalogue files. Both windows have one, each with its own drive, folder and
// selection.
class FilePanel : public QWidget
{
public:
    // Catalogue files are offered by this pattern; matching ignores letter case.
    static inline const QString catalogueFilePattern = QStringLiteral("*.TXT");

    struct Places
    {
        QRect drives;
        QRect folders;
        QRect files;
    };

    FilePanel(const QRect &place, const Places &lists, Dialogs &dialogs, QWidget *parent);

    DriveListBox *const drives;
    DirListBox *const folders;
    FileListBox *const files;

    // Reads the file list's folder again, so that a file written since shows up. The selection
    // stays on the same name where that name is still listed, and no click is raised: the main
    // window would take a click for a load.
    void rereadFiles();

private:
    // A drive that cannot be entered is reported, and the drive list goes back to the drive of
    // the folder list's path; that change runs this once more, with a drive that is ready.
    void followDrive();

    Dialogs &m_dialogs;
};
