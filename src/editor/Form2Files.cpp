// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's own file panel: loading a catalogue file into the editor, choosing the standard
// file the main window loads at start-up, and emptying the catalogue for a new one.
#include "Form2.h"

#include "app/CatalogueLoading.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "catalogue/CatalogueFile.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The answers of the pairs numbered 1 to the question count.
QStringList firstAnswers(const QStringList &answers, double questionCount)
{
    QStringList first;
    for (qsizetype n = 1; n <= answers.size() && n <= questionCount; ++n)
        first.append(answers[n - 1]);
    return first;
}

} // namespace

void Form2::wireFiles()
{
    connect(Bild12, &PictureButton::clicked, this, &Form2::Bild12_Click);
    connect(Datei1, &FileListBox::DblClick, this, &Form2::Datei1_DblClick);
    connect(Befehl1, &QPushButton::clicked, this, &Form2::Befehl1_Click);
    connect(Bild10, &PictureButton::clicked, this, &Form2::Bild10_Click);
    for (QLabel *field : {Bezeichnung3, Bezeichnung4}) {
        field->setCursor(Qt::PointingHandCursor);
        field->installEventFilter(this);
    }
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Bezeichnung3) {
            Bezeichnung3_Click();
            return true;
        }
        if (watched == Bezeichnung4) {
            Bezeichnung4_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The editor's panel always shows all three lists, whatever the main window's switch says.
void Form2::Bild12_Click()
{
    Bild13->setVisible(Bild13->isHidden());
}

// Unlike the main window's load, the answers go into the choice list in its own alphabetical
// order, and the main window keeps its caption.
void Form2::Datei1_DblClick()
{
    Bild13->hide();
    const int selected = Datei1->listIndex();
    if (selected < 0)
        return;
    const QString fileName = Datei1->text(selected);
    Form1 &main = m_program.form1();

    CatalogueReadResult read = KatalogdateiLesen(Datei1->filePath(selected));
    const qsizetype pairCount = read.pairs.questions.size();
    main.Liste2->clear();
    main.Liste2->addTexts(firstAnswers(read.pairs.answers, captionValue(main.Bezeichnung6)));
    Liste1->setTexts(std::move(read.pairs.questions));
    Liste2->setTexts(std::move(read.pairs.answers));
    m_catalogueEdited = false;

    CatalogueLoading::startPractice(m_program);
    CatalogueLoading::report(m_program, fileName, pairCount, read.error);
}

void Form2::Bezeichnung3_Click()
{
    makeSelectedFileStandard();
}

void Form2::Bezeichnung4_Click()
{
    makeSelectedFileStandard();
}

// The file list keeps its selection while the panel is hidden, so this works with the panel
// closed too. Without a selected file nothing changes.
void Form2::makeSelectedFileStandard()
{
    const int selected = Datei1->listIndex();
    if (selected >= 0)
        Bezeichnung4->setText(Datei1->text(selected).toUpper());
}

void Form2::Befehl1_Click()
{
    Bezeichnung4->clear();
    Datei1->setListIndex(-1);
}

// No file is created or deleted: the catalogue is emptied for a new one to be typed and saved.
// The main window's choice list and counters stay until the editor is left.
void Form2::Bild10_Click()
{
    const int answer = m_program.dialogs().messageBox(
            u"Eine neue Datei anlegen?\r"_s,
            MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, u"ZEL-Fragen"_s);
    if (answer == MsgBox::No)
        return;
    Text1->clear();
    Text2->clear();
    Liste1->clear();
    Liste2->clear();
    m_catalogueEdited = true;
}
