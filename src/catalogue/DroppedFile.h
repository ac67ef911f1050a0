// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// What a drag from a file manager brings, as far as the windows take it: exactly one local
// file, a catalogue (*.TXT) or a word list (*.CSV, *.TSV), any letter case. Several files, a
// folder, another type or an address that is no local file are refused. A file that has gone
// since is not refused here: reading it says why, as for a file picked in a list.
enum class DroppedFileKind { Refused, Catalogue, Spreadsheet };

struct DroppedFile
{
    DroppedFileKind kind = DroppedFileKind::Refused;
    QString path; // local path to read
    QString name; // file name as shown, without the folder
};

DroppedFile droppedFile(const QList<QUrl> &urls);
