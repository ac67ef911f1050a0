// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file read once after start-up: the default catalogue and the editor's two
// switches.
#include "Form1.h"
#include "Program.h"
#include "catalogue/SettingsFile.h"
#include "editor/Form2.h"
#include "platform/CheckBox.h"
#include "platform/FileListBox.h"

#include <QLabel>
#include <QTimer>

// Switched off first: the loads below show message boxes, whose event loop would otherwise
// let the timer run the reading again.
void Form1::Zeit1_Timer()
{
    Zeit1->stop();
    EinstellungenLesen();
}

// A missing or unusable file gives the defaults silently. The default catalogue is looked
// for among the names the main window's file list shows, letter case ignored; every match is
// selected in turn, and each selection loads its file.
void Form1::EinstellungenLesen()
{
    const Settings settings = readSettingsFile(kSettingsFileName.toString());
    Form2 &editor = m_program.form2();
    editor.Bezeichnung4->setText(settings.defaultCatalogue);
    editor.Kontroll1->setValue(settings.printPermission);
    editor.Kontroll2->setValue(settings.hideDrives);

    const QString wanted = settings.defaultCatalogue.toUpper();
    if (wanted.isEmpty())
        return;
    Bezeichnung10->hide();
    for (int row = 0; row < Datei1->count(); ++row) {
        if (Datei1->text(row).toUpper() == wanted)
            Datei1->setListIndex(row);
    }
}
