// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file browser: picking a catalogue file replaces the live catalogue and
// starts a new practice set over it.
#include "CatalogueLoading.h"
#include "FilePanel.h"
#include "Form1.h"
#include "Program.h"
#include "ProgramTitle.h"
#include "catalogue/CatalogueFile.h"
#include "editor/Form2.h"
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

void Form1::setUpFileBrowser()
{
    const FilePanel::Lists lists = FilePanel::createLists(*Bild16, Twips::rect(120, 120, 4095, 315),
                                                          Twips::rect(120, 480, 4095, 1890),
                                                          Twips::rect(120, 2400, 4095, 2760));
    Laufwerk1 = lists.drives;
    Verzeichnis1 = lists.folders;
    Datei1 = lists.files;
    Bild16->raise();

    connect(Bild12, &PictureButton::clicked, this, &Form1::Bild12_Click);
    connect(Laufwerk1, &DriveListBox::Change, this, &Form1::Laufwerk1_Change);
    connect(Verzeichnis1, &DirListBox::Change, this, &Form1::Verzeichnis1_Change);
    connect(Datei1, &FileListBox::Click, this, &Form1::Datei1_Click);
}

// The layout is decided each time the browser opens, by the editor's switch " Laufwerke
// abblenden": 1 shows the file list alone, 0 all three lists, greyed leaves them as they are.
void Form1::Bild12_Click()
{
    Bezeichnung10->hide();
    if (Bild16->isVisible()) {
        Bild16->hide();
        return;
    }
    const int hideDrives = m_program.form2().Kontroll2->value();
    if (hideDrives == 0) {
        Laufwerk1->show();
        Verzeichnis1->show();
        Datei1->setGeometry(Twips::rect(120, 2400, 4095, 2760));
    } else if (hideDrives == 1) {
        Laufwerk1->hide();
        Verzeichnis1->hide();
        Datei1->setGeometry(Twips::rect(120, 120, 4095, 4905));
    }
    Bild16->show();
}

void Form1::Laufwerk1_Change()
{
    FilePanel::followDrive(*Laufwerk1, *Verzeichnis1, m_program.dialogs());
}

void Form1::Verzeichnis1_Change()
{
    Datei1->setPath(Verzeichnis1->path());
}

// Any change of the selected file, by the user or from code, and a user's click on the
// selected file load it. A file that cannot be read completely keeps the pairs read before
// the failure; a load that accepts no pair leaves the catalogue empty and reports 0.
void Form1::Datei1_Click()
{
    Bild16->hide();
    // With no file selected (the list is empty, or code took the selection away) there is
    // nothing to load, and the catalogue stays as it is.
    const int selected = Datei1->listIndex();
    if (selected < 0)
        return;
    const QString fileName = Datei1->text(selected);
    Form2 &editor = m_program.form2();

    CatalogueReadResult read = KatalogdateiLesen(Datei1->filePath(selected));
    const qsizetype pairCount = read.pairs.questions.size();
    Liste2->setTexts(
            randomChoices(read.pairs.answers, captionValue(Bezeichnung6), m_program.random()));
    editor.Liste1->setTexts(std::move(read.pairs.questions));
    editor.Liste2->setTexts(std::move(read.pairs.answers));
    const bool complete = read.outcome == ReadOutcome::Complete;
    setWindowTitle(complete ? programTitle + u"  ( "_s + fileName + u" )"_s : programTitle);

    CatalogueLoading::startPractice(m_program);
    CatalogueLoading::report(m_program, fileName, pairCount, read.error);
}
