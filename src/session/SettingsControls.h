// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/SettingsFile.h"

class CheckBox;
class QLabel;

// The three settings as the editor window shows them: the standard file's name and the two
// switches, check boxes whose values the settings file keeps. The main window obeys them.
class SettingsControls
{
public:
    SettingsControls(QLabel &standardFileName, CheckBox &allowPrinting, CheckBox &hideDrives)
        : m_standardFileName(standardFileName)
        , m_allowPrinting(allowPrinting)
        , m_hideDrives(hideDrives)
    { }

    Settings settings() const;
    void setSettings(const Settings &settings);

    // 0 locks printing from the main window; 1 (ticked) and 2 (greyed) allow it.
    int printPermission() const;
    // 1: the main window's file browser shows its file list alone; 0: all three lists.
    int hideDrives() const;

private:
    QLabel &m_standardFileName;
    CheckBox &m_allowPrinting;
    CheckBox &m_hideDrives;
};
