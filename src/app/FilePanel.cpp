#include "FilePanel.h"

#include "platform/Dialogs.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"

#include <QSignalBlocker>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace FilePanel {

void paintPanel(QWidget &panel)
{
    panel.setAutoFillBackground(true);
    panel.setPalette(QPalette(Qt::black, QColor(255, 0, 0)));
}

void paintList(QWidget &list)
{
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 224));
    palette.setColor(QPalette::Button, QColor(255, 255, 224));
    list.setPalette(palette);
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
