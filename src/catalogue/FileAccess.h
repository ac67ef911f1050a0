// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

class QIODevice;

// Whole-file reading and atomic writing for the program's two text files, with the reasons
// for a failure in German, ready for a message box.

struct WholeFileRead
{
    enum class Status { Read, CannotRead, TooLarge };
    Status status = Status::Read;
    QByteArray bytes;
    QString error; // German reason when CannotRead; the caller words TooLarge for its file
};

// Only regular files are opened: a FIFO or a device named like a catalogue would block or
// never end. A file larger than maxBytes is TooLarge, and reading never holds much more than
// maxBytes: also a file that reports a smaller size (those in /proc report 0) or grows while
// it is read.
WholeFileRead readWholeFile(const QString &path, qint64 maxBytes);

// Written through QSaveFile, so a failed or interrupted write leaves the old file untouched.
// Returns the German reason on failure, an empty string on success.
QString writeWholeFile(const QString &path, QByteArrayView bytes);

// The same for a file that is produced piece by piece: `write` fills the open device and says
// whether all went well; only then does the new file take the old one's place.
QString writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);
