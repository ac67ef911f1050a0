// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's help message and the two ways back to the quiz.
#include "Form2.h"

#include "app/Form1.h"
#include "app/MODUL1.h"
#include "app/Program.h"
#include "platform/Dialogs.h"
#include "platform/PictureButton.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void Form2::wireLeaving()
{
    connect(Bild6, &PictureButton::clicked, this, &Form2::Bild6_Click);
    connect(Bild1, &PictureButton::clicked, this, &Form2::Bild1_Click);
    connect(Bild7, &PictureButton::clicked, this, &Form2::Bild7_Click);
}

// The red cross is "Abbruch", the green tick "Abbruch mit Laden".
void Form2::Bild6_Click()
{
    m_program.dialogs().messageBox(u"Beim Abbruch mit dem roten Kreuz wird die Datei\r"
                                   u"nicht übernommen, jedoch beim grünen Häkchen.\r"
                                   u"Die Standarddatei wird bei geöffneter Dateiliste\r"
                                   u"markiert und mit Klicken auf das Feld zugewiesen.\r"_s,
                                   MsgBox::OkOnly, u"Hilfe Editor"_s);
}

// The only place the settings are written. Whatever the lists held is gone unless it was saved.
void Form2::Bild1_Click()
{
    EinstellungenSchreiben();
    hide();
    Form1 &main = m_program.form1();
    main.show();
    MODUL1::StandardfragenLaden(m_program);
    m_catalogueEdited = false;
    main.Bezeichnung10->show();
}

// The catalogue stays the live one. The practice set under way goes on (choice list, counters
// and progress as they were) unless pairs were added or deleted or the catalogue emptied: then
// the choice list may not hold the answers of the questions being asked, and a new practice
// set is built over the edited catalogue. The main window loads no file here: one chosen in the
// editor's list would replace the catalogue the user asked to keep.
void Form2::Bild7_Click()
{
    Form1 &main = m_program.form1();
    if (m_catalogueEdited) {
        main.AuswahlBilden();
        m_catalogueEdited = false;
    }
    MODUL1::AnzeigeAktualisieren(m_program);
    MODUL1::ErsteFrageZeigen(m_program);
    hide();
    main.show();
}
