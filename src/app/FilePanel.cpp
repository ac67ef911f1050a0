// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilePanel.h"

#include "ScreenReaderNames.h"
#include "platform/Dialogs.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"

#include <QSignalBlocker>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

void paintList(QWidget &list)
{
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 224));
    palette.setColor(QPalette::Button, QColor(255, 255, 224));
    list.setPalette(palette);
}

} // namespace

namespace FilePanel {

void paintPanel(QWidget &panel)
{
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(Qt::black, QColor(255, 0, 0)));
}

Lists createLists(QWidget &panel, const QRect &drives, const QRect &folders, const QRect &files)
{
    const Lists lists{new DriveListBox(&panel), new DirListBox(&panel), new FileListBox(&panel)};
    lists.drives->setGeometry(drives);
    nameComboBox(*lists.drives, u"Laufwerke"_s);
    lists.folders->setGeometry(folders);
    lists.folders->setAccessibleName(u"Ordner"_s);
    lists.files->setGeometry(files);
    lists.files->setAccessibleName(u"Katalogdateien"_s);
    lists.files->setPattern(catalogueFilePattern);
    for (QWidget *list : std::initializer_list<QWidget *>{lists.drives, lists.folders, lists.files})
        paintList(*list);
    return lists;
}

void followDrive(DriveListBox &drives, DirListBox &folders, Dialogs &dialogs)
{
    if (folders.enterDrive(drives.drive()))
        return;
    dialogs.messageBox(u"Laufwerk ist nicht bereit!\r"_s, MsgBox::OkOnly, u"Laufwerkfehler"_s);
    drives.setDrive(folders.path());
}

void rereadFiles(FileListBox &files)
{
    const QString selected = files.text(files.listIndex());
    files.setPattern(files.pattern()); // re-reads, and leaves nothing selected
    const int row = int(files.texts().indexOf(selected));
    if (selected.isEmpty() || row < 0)
        return;
    const QSignalBlocker noClick(files);
    files.setListIndex(row);
}

} // namespace FilePanel
