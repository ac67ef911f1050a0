// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsControls.h"

#include "platform/CheckBox.h"

#include <QLabel>

Settings SettingsControls::settings() const
{
    return {m_standardFileName.text(), m_allowPrinting.value(), m_hideDrives.value()};
}

void SettingsControls::setSettings(const Settings &settings)
{
    m_standardFileName.setText(settings.defaultCatalogue);
    m_allowPrinting.setValue(settings.printPermission);
    m_hideDrives.setValue(settings.hideDrives);
}

int SettingsControls::printPermission() const
{
    return m_allowPrinting.value();
}

int SettingsControls::hideDrives() const
{
    return m_hideDrives.value();
}
