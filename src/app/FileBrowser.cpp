// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser: picking a catalogue file replaces the live catalogue and
// starts a new practice set over it.
#include "CatalogueLoading.h"
#include "FilePanel.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgramTitle.h"
#include "catalogue/CatalogueFile.h"
#include "editor/EditorWindow.h"
#include "platform/Caption.h"
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/PictureButton.h"
#include "platform/RandomSource.h"
#include "platform/Twips.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The answers of the first `wanted` pairs, each put at row ⌊r·n⌋ of the list built so far,
// where n is its running number from 1 and r the next random value: a random order.
//
// The rows are worked out in a plain list and handed to the choice list in one go: inserting
// into the shown list row by row would update its view for every row. The result is the same,
// because each row number refers to the list as it stands at that step, and the choice list
// takes an inserted row exactly where it is told, sorted or not.
QStringList randomChoices(const QStringList &answers, double wanted, RandomSource &random)
{
    QStringList choices;
    for (qsizetype n = 1; n <= answers.size() && n <= wanted; ++n) {
        const auto row = qsizetype(std::floor(random.next() * double(n)));
        choices.insert(std::clamp<qsizetype>(row, 0, choices.size()), answers[n - 1]);
    }
    return choices;
}

} // namespace

void MainWindow::setUpFileBrowser()
{
    const FilePanel::Lists lists = FilePanel::createLists(
            *fileBrowser, Twips::rect(120, 120, 4095, 315), Twips::rect(120, 480, 4095, 1890),
            Twips::rect(120, 2400, 4095, 2760));
    driveList = lists.drives;
    driveList->setObjectName(u"Laufwerk1"_s);
    folderList = lists.folders;
    folderList->setObjectName(u"Verzeichnis1"_s);
    fileList = lists.files;
    fileList->setObjectName(u"Datei1"_s);
    fileBrowser->raise();

    connect(fileMenuButton, &PictureButton::clicked, this, &MainWindow::toggleFileBrowser);
    connect(driveList, &DriveListBox::Change, this, &MainWindow::driveChanged);
    connect(folderList, &DirListBox::Change, this, &MainWindow::folderChanged);
    connect(fileList, &FileListBox::Click, this, &MainWindow::loadSelectedFile);
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
    const int hideDrives = m_program.editorWindow().hideDrives->value();
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

void MainWindow::driveChanged()
{
    FilePanel::followDrive(*driveList, *folderList, m_program.dialogs());
}

void MainWindow::folderChanged()
{
    fileList->setPath(folderList->path());
}

// Any change of the selected file, by the user or from code, and a user's click on the
// selected file load it. A file that cannot be read completely keeps the pairs read before
// the failure; a load that accepts no pair leaves the catalogue empty and reports 0.
void MainWindow::loadSelectedFile()
{
    fileBrowser->hide();
    // With no file selected (the list is empty, or code took the selection away) there is
    // nothing to load, and the catalogue stays as it is.
    const int selected = fileList->listIndex();
    if (selected < 0)
        return;
    const QString fileName = fileList->text(selected);
    EditorWindow &editor = m_program.editorWindow();

    CatalogueReadResult read = readCatalogueFile(fileList->filePath(selected));
    const qsizetype pairCount = read.pairs.questions.size();
    choiceList->setTexts(randomChoices(read.pairs.answers, captionValue(questionCountLabel),
                                       m_program.random()));
    editor.questionList->setTexts(std::move(read.pairs.questions));
    editor.answerList->setTexts(std::move(read.pairs.answers));
    const bool complete = read.outcome == ReadOutcome::Complete;
    setWindowTitle(complete ? programTitle + u"  ( "_s + fileName + u" )"_s : programTitle);

    CatalogueLoading::startPractice(m_program);
    CatalogueLoading::report(m_program, fileName, pairCount, read.error);
}
