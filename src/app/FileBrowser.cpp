// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser: picking a catalogue file, or dropping one on the window,
// replaces the live catalogue and starts a new practice set over it.
#include "MainWindow.h"
#include "catalogue/CatalogueFile.h"
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileDrop.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"
#include "platform/Twips.h"
#include "quiz/QuizRules.h"
#include "services/RandomSource.h"
#include "session/FilePanel.h"
#include "session/ProgramTitle.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QDropEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

void MainWindow::setUpFileBrowser()
{
    driveList = fileBrowser->drives;
    folderList = fileBrowser->folders;
    fileList = fileBrowser->files;
    fileBrowser->raise();

    connect(fileMenuButton, &PictureButton::clicked, this, &MainWindow::toggleFileBrowser);
    connect(fileList, &FileListBox::rowClicked, this, &MainWindow::loadSelectedFile);
    // A catalogue dropped from a file manager saves the way through the browser.
    setAcceptDrops(true);
}

// The layout is decided each time the browser opens, by the editor's switch " Laufwerke
// abblenden": 1 shows the file list alone, 0 all three lists, greyed leaves them as they are.
void MainWindow::toggleFileBrowser()
{
    standardNotice->hide();
    if (fileBrowser->isVisible()) {
        fileBrowser->hide();
        return;
    }
    const int hideDrives = m_session.settings().hideDrives->value();
    if (hideDrives == 0) {
        driveList->show();
        folderList->show();
        fileList->setGeometry(Twips::rect(120, 2400, 4095, 2760));
    } else if (hideDrives == 1) {
        driveList->hide();
        folderList->hide();
        fileList->setGeometry(Twips::rect(120, 120, 4095, 4905));
    }
    fileBrowser->show();
}

// Any change of the selected file, by the user or from code, and a user's click on the
// selected file load it. With no file selected (the list is empty, or code took the selection
// away) there is nothing to load, and the catalogue stays as it is.
void MainWindow::loadSelectedFile()
{
    const int selected = fileList->currentRow();
    if (selected < 0) {
        fileBrowser->hide();
        return;
    }
    takeCatalogue(readCatalogueFile(fileList->filePath(selected)), fileList->text(selected));
}

// A file that cannot be read completely keeps the pairs read before the failure; a load that
// accepts no pair leaves the catalogue empty and reports 0.
void MainWindow::takeCatalogue(CatalogueReadResult read, const QString &fileName)
{
    fileBrowser->hide();
    const qsizetype pairCount = read.pairs.questions.size();
    RandomSource &random = m_session.random();
    choiceList->setTexts(QuizRules::loadedFileChoices(
            read.pairs.answers, quizState().questionCount(), [&random] { return random.next(); }));
    m_session.catalogue().replace(std::move(read.pairs.questions), std::move(read.pairs.answers));
    const bool complete = read.outcome == ReadOutcome::Complete;
    setWindowTitle(complete ? programTitle + u"  ( "_s + fileName + u" )"_s : programTitle);

    QuizProcedures::startPractice(m_session);
    QuizProcedures::reportLoad(m_session, fileName, pairCount, read.error);
}

// The main window takes catalogues only; word lists are turned into pairs in the editor.
void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    takeFileDrop(event, {DroppedFileKind::Catalogue});
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    takeFileDrop(event, {DroppedFileKind::Catalogue});
}

// The load's message box waits for the user; the file manager must not wait with it for the
// drop to end.
void MainWindow::dropEvent(QDropEvent *event)
{
    const DroppedFile file = takeFileDrop(event, {DroppedFileKind::Catalogue});
    if (event->isAccepted())
        QMetaObject::invokeMethod(
                this,
                [this, file] {
                    CatalogueReadResult read = readCatalogueFile(file.path);
                    if (!QuizProcedures::refuseUnreadableDrop(m_session, read.error))
                        takeCatalogue(std::move(read), file.name);
                },
                Qt::QueuedConnection);
}
