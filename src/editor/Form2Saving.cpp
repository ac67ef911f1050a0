// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the catalogue as a catalogue file under a name the user types.
#include "Form2.h"

#include "app/FilePanel.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "catalogue/CatalogueFile.h"
#include "platform/Dialogs.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

using namespace Qt::StringLiterals;

void Form2::wireSaving()
{
    connect(Bild3, &PictureButton::clicked, this, &Form2::Bild3_Click);
}

// The name is used exactly as typed: no extension is added, and a bare name lands in the
// working directory, whatever folder either file list shows. An existing file is replaced
// without asking, but only once the new one is completely written, so a failed save leaves the
// old file as it was.
void Form2::Bild3_Click()
{
    Dialogs &dialogs = m_program.dialogs();
    if (Liste1->count() != Liste2->count()) {
        dialogs.messageBox(u"Verschieden viele Fragen und Antworten!\r"_s, MsgBox::OkOnly,
                           u"Dateifehler"_s);
        return;
    }
    Form1 &main = m_program.form1();
    const QString proposed = main.Datei1->text(main.Datei1->listIndex());
    const QString name = dialogs.inputBox(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed);
    if (name.isEmpty())
        return;

    const WriteResult written = KatalogdateiSchreiben(name, {Liste1->texts(), Liste2->texts()});
    if (!written.ok) {
        dialogs.messageBox(u"Die Datei wurde nicht gespeichert.\r"_s + written.error + u'\r',
                           MsgBox::OkOnly, u"Dateifehler"_s);
        return;
    }
    FilePanel::rereadFiles(*main.Datei1);
    FilePanel::rereadFiles(*Datei1);
    dialogs.messageBox(u"Die Datei "_s + name + u" wurde gespeichert.\r"_s, MsgBox::OkOnly,
                       u"Datei sichern"_s);
}
