#include "FilePanel.h"

#include "platform/Dialogs.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"

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

} // namespace FilePanel
