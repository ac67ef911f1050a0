// SPDX-License-Identifier: GPL-3.0-or-later
#include "FilePanel.h"

#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/Palette.h"
#include "platform/ScreenReaderNames.h"
#include "services/Dialogs.h"

#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace {

void paintList(QWidget &list)
{
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, QColor(Palette::lightYellow));
    palette.setColor(QPalette::Button, QColor(Palette::lightYellow));
    list.setPalette(palette);
}

} // namespace

FilePanel::FilePanel(const QRect &place, const Places &lists, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_drives(new DriveListBox(this))
    , m_folders(new DirListBox(this))
    , m_files(new FileListBox(this))
    , m_dialogs(dialogs)
{
    setGeometry(place);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(Palette::red)));
    hide();

    // Both windows' panels name their lists alike.
    m_drives->setObjectName(u"Laufwerk1"_s);
    m_folders->setObjectName(u"Verzeichnis1"_s);
    m_files->setObjectName(u"Datei1"_s);
    m_drives->setGeometry(lists.drives);
    nameComboBox(*m_drives, u"Laufwerke"_s);
    m_folders->setGeometry(lists.folders);
    m_folders->setAccessibleName(u"Ordner"_s);
    m_files->setGeometry(lists.files);
    m_files->setAccessibleName(u"Katalogdateien"_s);
    m_files->setPattern(catalogueFilePattern);
    for (QWidget *list : std::initializer_list<QWidget *>{m_drives, m_folders, m_files})
        paintList(*list);

    connect(m_drives, &DriveListBox::driveChanged, this, &FilePanel::followDrive);
    connect(m_folders, &DirListBox::pathChanged, this,
            [this] { m_files->setPath(m_folders->path()); });
    connect(m_files, &ListBox::rowClicked, this, &FilePanel::fileClicked);
    connect(m_files, &ListBox::rowDoubleClicked, this, &FilePanel::fileDoubleClicked);
}

QStringList FilePanel::fileNames() const
{
    return m_files->texts();
}

QString FilePanel::selectedName() const
{
    return m_files->text(m_files->currentRow());
}

std::optional<CatalogueReadResult> FilePanel::readSelectedCatalogue()
{
    if (selectedName().isEmpty()) {
        hide();
        return std::nullopt;
    }
    return readCatalogueFile(m_files->filePath(m_files->currentRow()));
}

void FilePanel::selectFile(int row)
{
    m_files->setCurrentRow(row);
}

void FilePanel::clearSelection()
{
    m_files->setCurrentRow(-1);
}

void FilePanel::followDrive()
{
    if (m_folders->enterDrive(m_drives->drive()))
        return;
    m_dialogs.messageBox(u"Laufwerk ist nicht bereit!\r"_s, BoxStyle::OkOnly, u"Laufwerkfehler"_s);
    m_drives->setDrive(m_folders->path());
}

void FilePanel::rereadFiles()
{
    const QString selected = selectedName();
    m_files->setPattern(m_files->pattern()); // re-reads, and leaves nothing selected
    const int row = int(m_files->texts().indexOf(selected));
    if (selected.isEmpty() || row < 0)
        return;
    const QSignalBlocker noClick(m_files);
    m_files->setCurrentRow(row);
}

void FilePanel::arrangeAllLists(const QRect &files)
{
    m_drives->show();
    m_folders->show();
    m_files->setGeometry(files);
}

void FilePanel::arrangeFileListAlone(const QRect &files)
{
    m_drives->hide();
    m_folders->hide();
    m_files->setGeometry(files);
}
