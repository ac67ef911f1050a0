// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class Dialogs;
class DirListBox;
class DriveListBox;
class FileListBox;
class QWidget;

// What the file panels of the main window and of the editor share.
namespace FilePanel {

// Catalogue files are offered by this pattern; matching ignores letter case.
inline const QString catalogueFilePattern = QStringLiteral("*.TXT");

// A red panel with light yellow lists.
void paintPanel(QWidget &panel);

struct Lists
{
    DriveListBox *drives;
    DirListBox *folders;
    FileListBox *files;
};

// The drive, folder and catalogue file lists of a panel at their places, painted and named
// for screen readers.
Lists createLists(QWidget &panel, const QRect &drives, const QRect &folders, const QRect &files);

// A drive chosen in the drive list: the folder list moves to that drive's current folder. A
// drive that cannot be entered is reported, and the drive list goes back to the drive of the
// folder list's path; that change runs this handler once more, with a drive that is ready.
void followDrive(DriveListBox &drives, DirListBox &folders, Dialogs &dialogs);

// Reads the file list's folder again, so that a file written since shows up. The selection
// stays on the same name where that name is still listed, and no click is raised: the main
// window would take a click for a load.
void rereadFiles(FileListBox &files);

} // namespace FilePanel
