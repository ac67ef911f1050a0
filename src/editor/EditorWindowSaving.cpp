// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the catalogue as a catalogue file under a name the user types.
#include "EditorWindow.h"

#include "session/FilePanel.h"
#include "session/Session.h"
#include "catalogue/CatalogueFile.h"
#include "services/Dialogs.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

using namespace Qt::StringLiterals;

void EditorWindow::wireSaving()
{
    connect(saveButton, &PictureButton::clicked, this, &EditorWindow::saveCatalogue);
}

// The name is used exactly as typed: no extension is added, and a bare name lands in the
// working directory, whatever folder either file list shows. An existing file is replaced
// without asking, but only once the new one is completely written, so a failed save leaves the
// old file as it was.
void EditorWindow::saveCatalogue()
{
    Dialogs &dialogs = m_session.dialogs();
    if (questionList->count() != answerList->count()) {
        dialogs.messageBox(u"Verschieden viele Fragen und Antworten!\r"_s, MsgBox::OkOnly,
                           u"Dateifehler"_s);
        return;
    }
    FilePanel &quizFiles = m_session.quizFilePanel();
    const QString proposed = quizFiles.files->text(quizFiles.files->listIndex());
    const QString name = dialogs.inputBox(u"Namen der Datei:"_s, u"Datei speichern"_s, proposed);
    if (name.isEmpty())
        return;

    const WriteResult written =
            writeCatalogueFile(name, {questionList->texts(), answerList->texts()});
    if (!written.ok) {
        dialogs.messageBox(u"Die Datei wurde nicht gespeichert.\r"_s + written.error + u'\r',
                           MsgBox::OkOnly, u"Dateifehler"_s);
        return;
    }
    quizFiles.rereadFiles();
    filePanel->rereadFiles();
    dialogs.messageBox(u"Die Datei "_s + name + u" wurde gespeichert.\r"_s, MsgBox::OkOnly,
                       u"Datei sichern"_s);
}
