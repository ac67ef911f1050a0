// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>

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
    Q_OBJECT

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

    // The files listed, by name without folder, in the list's order.
    QStringList fileNames() const;
    // The marked file by name without folder; "" for none.
    QString selectedName() const;
    // The marked file as read. With no file marked (the list is empty, or code took the
    // selection away) there is nothing to read: the panel hides and the catalogue stays.
    std::optional<CatalogueReadResult> readSelectedCatalogue();
    // Marks a file, as a click on it does; a row that is not listed is refused.
    void selectFile(int row);
    void clearSelection();

    // Reads the file list's folder again, so that a file written since shows up. The selection
    // stays on the same name where that name is still listed, and fileClicked() is not raised:
    // the main window would take it for a load.
    void rereadFiles();

    // All three lists, the file list placed at `files` below the other two; or the file list
    // alone, at `files`.
    void arrangeAllLists(const QRect &files);
    void arrangeFileListAlone(const QRect &files);

Q_SIGNALS:
    // Another file was marked, by the user or from code, or the marked one clicked again.
    void fileClicked();
    void fileDoubleClicked();

private:
    // A drive that cannot be entered is reported, and the drive list goes back to the drive of
    // the folder list's path; that change runs this once more, with a drive that is ready.
    void followDrive();

    DriveListBox *const m_drives;
    DirListBox *const m_folders;
    FileListBox *const m_files;
    Dialogs &m_dialogs;
};
