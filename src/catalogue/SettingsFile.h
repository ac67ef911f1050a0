// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/CatalogueFile.h" // WriteResult

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The settings file "ZELMERK.INI": the default catalogue and the two switches of the editor.
//
// Six lines, each ended by CR LF: "[Datei]", the default catalogue's file name, "[Druck]", the
// print permission as " n ", "[Laden]", the hide-drives value as " n ". Reading takes the values
// by position, not by the bracketed names: it reads six fields, where a comma or a line end ends
// a field, blanks in front of a field are skipped and a field that begins with a double quote
// runs to the next double quote. Fields 4 and 6 are numbers, rounded to the nearest integer
// (halves to the even one). Anything unusable - no file, fewer than six fields, a value that is
// no number or lies outside 0..2 - gives all three defaults at once, silently.
//
// How the windows use it: shortly after start-up the main window reads the file into the
// editor's standard-file name and its two switches; leaving the editor by "Abbruch" writes them
// back, and a failed write is reported in a box titled "Einstellungen".
// The file name is relative: it lies in the working directory, which the program never changes.

inline constexpr QStringView settingsFileName = u"ZELMERK.INI";

struct Settings
{
    QString defaultCatalogue; // a file name without folder, empty for none
    int printPermission = 0;  // check box value: 0 unchecked (printing locked), 1 checked, 2 greyed
    int hideDrives = 1; // check box value: 1 shows only the file list in the main window's browser

    friend bool operator==(const Settings &, const Settings &) = default;
};

Settings parseSettings(QByteArrayView bytes);
Settings readSettingsFile(const QString &path);

// The two values must be check box values, 0 to 2. A name that could not be read back (one
// that starts with a double quote, or holds one together with a comma, a line end or a leading
// blank) is left out, so that the two switches still read back.
QByteArray serializeSettings(const Settings &settings);

// Atomic: when the write fails, a settings file that was there stays as it was.
WriteResult writeSettingsFile(const QString &path, const Settings &settings);
