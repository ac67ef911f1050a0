// SPDX-License-Identifier: GPL-3.0-or-later
// Editing single pairs of the catalogue: taking a pair into the input boxes, adding a typed
// pair, emptying an input box, deleting the selected pair.
#include "Form2.h"

#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void Form2::wireEditing()
{
    connect(Liste1, &ListBox::DblClick, this, &Form2::Liste1_DblClick);
    connect(Liste2, &ListBox::DblClick, this, &Form2::Liste2_DblClick);
    connect(Bild4, &PictureButton::clicked, this, &Form2::Bild4_Click);
    connect(Bild8, &PictureButton::clicked, this, &Form2::Bild8_Click);
    connect(Bild2, &PictureButton::clicked, this, &Form2::Bild2_Click);
    connect(Bild11, &PictureButton::clicked, this, &Form2::Bild11_Click);
}

// The pair stays in the catalogue and stays selected.
void Form2::takePairFrom(const ListBox *list)
{
    const int row = list->listIndex();
    Text1->setText(Liste1->text(row));
    Text2->setText(Liste2->text(row));
}

void Form2::Liste1_DblClick()
{
    takePairFrom(Liste1);
}

void Form2::Liste2_DblClick()
{
    takePairFrom(Liste2);
}

// A pair is refused when its question is already a question of the catalogue or its answer
// already an answer, whatever the other half: texts are compared exactly, case and blanks count.
void Form2::Bild4_Click()
{
    const QString question = Text1->text();
    const QString answer = Text2->text();
    if (question.isEmpty() || answer.isEmpty()) {
        m_program.dialogs().messageBox(u"Frage und Antwort ausfüllen!\r"_s, MsgBox::OkOnly,
                                       u"Dateifehler"_s);
        return;
    }
    if (Liste1->contains(question) || Liste2->contains(answer)) {
        m_program.dialogs().messageBox(u"Eintrag ist schon vorhanden!\r"_s, MsgBox::OkOnly,
                                       u"Doppelter Eintrag"_s);
        return;
    }
    Liste1->addText(question);
    Liste2->addText(answer);
    m_catalogueEdited = true;
    const int last = Liste1->count() - 1;
    Liste1->setListIndex(last);
    Liste2->setListIndex(last);
    Text1->clear();
    Text2->clear();
}

void Form2::Bild8_Click()
{
    Text1->clear();
}

void Form2::Bild2_Click()
{
    Text2->clear();
}

// The selection goes back to the first pair, not to a neighbour of the deleted one.
void Form2::Bild11_Click()
{
    const int row = Liste1->listIndex();
    if (row < 0)
        return;
    Liste1->removeText(row);
    Liste2->removeText(row);
    m_catalogueEdited = true;
    if (Liste1->count() > 0)
        Liste1->setListIndex(0);
    if (Liste2->count() > 0)
        Liste2->setListIndex(0);
}
