// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorWindow.h"

#include "session/Session.h"
#include "catalogue/SettingsFile.h"
#include "platform/CheckBox.h"
#include "services/Dialogs.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void EditorWindow::writeSettings()
{
    const Settings settings{standardFileName->text(), allowPrinting->value(), hideDrives->value()};
    const WriteResult written = writeSettingsFile(settingsFileName.toString(), settings);
    if (!written.ok)
        m_session.dialogs().messageBox(u"Die Einstellungen konnten nicht gespeichert werden.\r"_s
                                               + written.error + u'\r',
                                       BoxStyle::OkOnly, u"Einstellungen"_s);
}
