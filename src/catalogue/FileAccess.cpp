// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

// Bytes in one file name on the usual Linux file systems.
constexpr qsizetype longestFileName = 255;

// A multiple of 8: /proc/self/pagemap refuses reads of any other length.
constexpr qint64 readChunk = 64 * 1024;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotOpenReason(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return u"Die Datei „%1“ wurde nicht gefunden."_s.arg(shown(path));
    if (file.isDir())
        return u"„%1“ ist ein Ordner und keine Datei."_s.arg(shown(path));
    if (!file.isFile())
        return u"„%1“ ist keine gewöhnliche Datei."_s.arg(shown(path));
    if (!file.isReadable())
        return u"Die Datei „%1“ darf nicht gelesen werden (fehlende Berechtigung)."_s.arg(
                shown(path));
    return u"Die Datei „%1“ kann nicht geöffnet werden."_s.arg(shown(path));
}

// The system's words for a disk without room: no space, a quota used up, or a file-size limit
// reached (the 4 GiB a FAT disk holds in one file, or the tests' stand-in for a full disk).
bool meansDiskFull(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

QString cannotWriteReason(const QString &path, int error)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return u"„%1“ ist ein Ordner und keine Datei."_s.arg(shown(path));
    if (!folder.isDir())
        return u"Den Ordner „%1“ gibt es nicht."_s.arg(shown(folder.filePath()));
    if (QFile::encodeName(file.fileName()).size() > longestFileName)
        return u"Der Dateiname „%1“ ist zu lang."_s.arg(file.fileName());
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return u"Die Datei „%1“ darf nicht geschrieben werden (fehlende Berechtigung)."_s.arg(
                shown(path));
    const QString failed =
            u"Die Datei „%1“ konnte nicht vollständig geschrieben werden."_s.arg(shown(path));
    return meansDiskFull(error) ? failed + u" Der Datenträger ist voll."_s : failed;
}

} // namespace

WholeFileRead readWholeFile(const QString &path, qint64 maxBytes)
{
    WholeFileRead result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        result.status = WholeFileRead::Status::CannotRead;
        result.error = cannotOpenReason(path);
        return result;
    }
    // The size is only a hint: a file in /proc reports 0 and can still be endless, and a file
    // can grow while it is read. So the reading itself stops once it holds more than maxBytes.
    if (file.size() > maxBytes) {
        result.status = WholeFileRead::Status::TooLarge;
        return result;
    }
    QByteArray &bytes = result.bytes;
    bytes.reserve(file.size() + readChunk);
    while (bytes.size() <= maxBytes) {
        const qsizetype filled = bytes.size();
        bytes.resize(filled + readChunk);
        const qint64 read = file.read(bytes.data() + filled, readChunk);
        bytes.resize(filled + qMax(read, qint64(0)));
        if (read < 0) {
            result.status = WholeFileRead::Status::CannotRead;
            result.error = u"Die Datei „%1“ kann nicht gelesen werden."_s.arg(shown(path));
            bytes.clear();
            return result;
        }
        if (read == 0)
            return result;
    }
    result.status = WholeFileRead::Status::TooLarge;
    bytes.clear();
    return result;
}

QString writeWholeFile(const QString &path, QByteArrayView bytes)
{
    return writeFileAtomically(path, [bytes](QIODevice &file) {
        return file.write(bytes.data(), bytes.size()) == bytes.size();
    });
}

QString writeFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // QFileDevice keeps only a text of the system's error, in the user's language; the number
    // itself is taken here, right after the call that failed, before anything else can set it.
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWriteReason(path, errno);
    // A full disk or a file-size limit can cut the writing short. commit() does not notice when
    // that happens as it flushes the buffer, and would put the part written in the old file's
    // place; so the bytes are flushed and checked first. Left uncommitted, the temporary file
    // is discarded.
    if (!write(file) || !file.flush())
        return cannotWriteReason(path, errno);
    if (!file.commit()) // also after a failed write: the temporary file is then discarded
        return cannotWriteReason(path, errno);
    return {};
}
