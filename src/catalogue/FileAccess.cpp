// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

// Bytes in one file name on the usual Linux file systems.
constexpr qsizetype longestFileName = 255;

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

QString cannotWriteReason(const QString &path)
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
    return u"Die Datei „%1“ konnte nicht vollständig geschrieben werden."_s.arg(shown(path));
}

} // namespace

WholeFileRead readWholeFile(const QString &path, qint64 maxBytes)
{
    WholeFileRead result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = WholeFileRead::Status::CannotRead;
        result.error = cannotOpenReason(path);
        return result;
    }
    if (file.size() > maxBytes) {
        result.status = WholeFileRead::Status::TooLarge;
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = WholeFileRead::Status::CannotRead;
        result.error = u"Die Datei „%1“ kann nicht gelesen werden."_s.arg(shown(path));
        result.bytes.clear();
    } else if (result.bytes.size() > maxBytes) { // it grew while being read
        result.status = WholeFileRead::Status::TooLarge;
        result.bytes.clear();
    }
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return cannotWriteReason(path);
    // A full disk or a file-size limit can cut the writing short. commit() does not notice when
    // that happens as it flushes the buffer, and would put the part written in the old file's
    // place; so the bytes are flushed and checked first. Left uncommitted, the temporary file
    // is discarded.
    if (!write(file) || !file.flush())
        return cannotWriteReason(path);
    if (!file.commit()) // also after a failed write: the temporary file is then discarded
        return cannotWriteReason(path);
    return {};
}
