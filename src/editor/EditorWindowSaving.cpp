// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the catalogue as a catalogue file under a name the user types, and the settings.
#include "EditorWindow.h"

#include "session/FilePanel.h"
#include "session/Session.h"
#include "catalogue/CatalogueFile.h"
#include "services/Dialogs.h"
#include "catalogue/SettingsFile.h"
#include "platform/ListBox.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Practice has used pairs up since the catalogue came in or was last saved, and the file
// named holds a catalogue already, most likely this one in full: its pairs would be lost
// without a word.
bool replacingLosesPairs(Dialogs &dialogs, const QString &name, int pairsUsedUp)
{
    const QFileInfo file(name);
    if (pairsUsedUp == 0 || !file.exists() || file.isDir())
        return false;
    const QString lost = pairsUsedUp == 1
            ? u"Beim Üben wurde 1 Paar aus Frage und Antwort verbraucht. Es steht nicht mehr "
              u"in der Liste und fehlt dann in der Datei „%1“."_s.arg(name)
            : u"Beim Üben wurden %1 Paare aus Frage und Antwort verbraucht. Sie stehen nicht "
              u"mehr in der Liste und fehlen dann in der Datei „%2“."_s.arg(pairsUsedUp)
                      .arg(name);
    return dialogs.messageBox(lost + u"\rTrotzdem speichern?\r"_s,
                              BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault,
                              u"Datei speichern"_s)
            != BoxAnswer::Yes;
}

} // namespace

// The name is used exactly as typed: no extension is added, and a bare name lands in the
// working directory, whatever folder either file list shows. An existing file is replaced
// without asking, but only once the new one is completely written, so a failed save leaves the
// old file as it was; after practice has used pairs up the user is asked first.
void EditorWindow::saveCatalogue()
{
    Dialogs &dialogs = m_session.dialogs();
    if (m_questionList->count() != m_answerList->count()) {
        dialogs.messageBox(u"Verschieden viele Fragen und Antworten!\r"_s, BoxStyle::OkOnly,
                           u"Dateifehler"_s);
        return;
    }
    FilePanel &quizFiles = m_session.quizFilePanel();
    const QString name =
            dialogs.inputBox(u"Namen der Datei:"_s, u"Datei speichern"_s, quizFiles.selectedName());
    if (name.isEmpty())
        return;
    CatalogueLists pairs = catalogue();
    if (replacingLosesPairs(dialogs, name, pairs.pairsUsedUp()))
        return;

    const WriteResult written =
            writeCatalogueFile(name, {m_questionList->texts(), m_answerList->texts()});
    if (!written.ok) {
        dialogs.messageBox(u"Die Datei wurde nicht gespeichert.\r"_s + written.error + u'\r',
                           BoxStyle::OkOnly, u"Dateifehler"_s);
        return;
    }
    pairs.markSaved();
    quizFiles.rereadFiles();
    m_filePanel->rereadFiles();
    dialogs.messageBox(u"Die Datei "_s + name + u" wurde gespeichert.\r"_s, BoxStyle::OkOnly,
                       u"Datei sichern"_s);
}

void EditorWindow::writeSettings()
{
    const WriteResult written =
            writeSettingsFile(settingsFileName.toString(), settings().settings());
    if (!written.ok)
        m_session.dialogs().messageBox(u"Die Einstellungen konnten nicht gespeichert werden.\r"_s
                                               + written.error + u'\r',
                                       BoxStyle::OkOnly, u"Einstellungen"_s);
}
