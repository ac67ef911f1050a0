// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The character encoding shared by the catalogue files and the settings file.
//
// Files are Windows-1252. Reading also accepts UTF-8: a file that starts with the UTF-8
// byte-order mark, or that is valid UTF-8 and holds at least one multi-byte sequence, is read
// as UTF-8 (a Windows-1252 text with umlauts is practically never valid UTF-8).
// Writing produces Windows-1252 whenever every character fits and the bytes cannot be taken
// for UTF-8 when read back; otherwise UTF-8 with a byte-order mark, so that nothing is lost.
namespace TextFileEncoding {

QString decode(QByteArrayView bytes);

// True when decode() would read the bytes as Windows-1252: then each line can be decoded on
// its own, which spares a reader the copy of the whole text.
bool isWindows1252(QByteArrayView bytes);
QByteArray encode(QStringView text);

} // namespace TextFileEncoding
