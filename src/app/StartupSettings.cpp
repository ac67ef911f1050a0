// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file read once after start-up: the default catalogue and the editor's two
// switches.
#include "MainWindow.h"
#include "session/Session.h"
#include "catalogue/SettingsFile.h"
#include "platform/CheckBox.h"
#include "platform/FileListBox.h"

#include <QLabel>
#include <QTimer>

// Switched off first: the loads below show message boxes, whose event loop would otherwise
// let the timer run the reading again.
void MainWindow::applyStartupSettings()
{
    startupTimer->stop();
    readStartupSettings();
}

// A missing or unusable file gives the defaults silently. The default catalogue is looked
// for among the names the main window's file list shows, letter case ignored; every match is
// selected in turn, and each selection loads its file.
void MainWindow::readStartupSettings()
{
    const Settings settings = readSettingsFile(settingsFileName.toString());
    const SettingsControls controls = m_session.settings();
    controls.standardFileName->setText(settings.defaultCatalogue);
    controls.allowPrinting->setValue(settings.printPermission);
    controls.hideDrives->setValue(settings.hideDrives);

    const QString wanted = settings.defaultCatalogue.toUpper();
    if (wanted.isEmpty())
        return;
    standardNotice->hide();
    for (int row = 0; row < fileList->count(); ++row) {
        if (fileList->text(row).toUpper() == wanted)
            fileList->setCurrentRow(row);
    }
}
