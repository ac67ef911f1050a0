// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows-1252, the code page of the program's files, with a table of its own: Qt decodes
// "windows-1252" only where it is built with ICU. The codec is lossless for all 256 bytes:
// the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// C1 control characters of the same number and are written back as those bytes.
namespace Windows1252 {

QString decode(QByteArrayView bytes);

// True when every UTF-16 unit of the text has a byte in the code page.
bool canEncode(QStringView text);

// A unit without a byte in the code page becomes '?'; call canEncode first where that matters.
QByteArray encode(QStringView text);

} // namespace Windows1252
