// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilePanel.h"

#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/ScreenReaderNames.h"
#include "services/Dialogs.h"

#include <QSignalBlocker>

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

FilePanel::FilePanel(const QRect &place, const Places &lists, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , drives(new DriveListBox(this))
    , folders(new DirListBox(this))
    , files(new FileListBox(this))
    , m_dialogs(dialogs)
{
    setGeometry(place);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(255, 0, 0)));
    hide();

    // Both windows' panels name their lists alike.
    drives->setObjectName(u"Laufwerk1"_s);
    folders->setObjectName(u"Verzeichnis1"_s);
    files->setObjectName(u"Datei1"_s);
    drives->setGeometry(lists.drives);
    nameComboBox(*drives, u"Laufwerke"_s);
    folders->setGeometry(lists.folders);
    folders->setAccessibleName(u"Ordner"_s);
    files->setGeometry(lists.files);
    files->setAccessibleName(u"Katalogdateien"_s);
    files->setPattern(catalogueFilePattern);
    for (QWidget *list : std::initializer_list<QWidget *>{drives, folders, files})
        paintList(*list);

    connect(drives, &DriveListBox::driveChanged, this, &FilePanel::followDrive);
    connect(folders, &DirListBox::pathChanged, this, [this] { files->setPath(folders->path()); });
}

void FilePanel::followDrive()
{
    if (folders->enterDrive(drives->drive()))
        return;
    m_dialogs.messageBox(u"Laufwerk ist nicht bereit!\r"_s, BoxStyle::OkOnly, u"Laufwerkfehler"_s);
    drives->setDrive(folders->path());
}

void FilePanel::rereadFiles()
{
    const QString selected = files->text(files->currentRow());
    files->setPattern(files->pattern()); // re-reads, and leaves nothing selected
    const int row = int(files->texts().indexOf(selected));
    if (selected.isEmpty() || row < 0)
        return;
    const QSignalBlocker noClick(files);
    files->setCurrentRow(row);
}
