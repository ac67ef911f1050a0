// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Catalogue files: question and answer lines, one record of two lines per pair.
//
// Reading: a line ends at CR LF or at a lone CR; a lone LF is an ordinary character. The end of
// the file is tested only before a record. A record with an empty half is skipped without
// re-aligning the lines after it. A file that ends after a question line, without its answer
// line, fails; the pairs accepted before it are kept. There is no limit on the number of pairs.
// The encoding is Windows-1252; UTF-8 is recognised by its byte-order mark or by valid
// multi-byte sequences (see TextFileEncoding.h).
//
// Writing: every text followed by CR LF, question before answer, in Windows-1252; as UTF-8 with
// a byte-order mark when some character does not fit, so that the file reads back unchanged.
// A text must not contain CR: it would split its line and shift every later pair.

struct Catalogue
{
    QStringList questions; // row-parallel pairs
    QStringList answers;
};

enum class ReadOutcome { Complete, Failed };

struct CatalogueReadResult
{
    Catalogue pairs;
    ReadOutcome outcome = ReadOutcome::Complete;
    // German reason when Failed because the file could not be opened or read or is too large;
    // empty otherwise (also when the file ends inside a record).
    QString error;
};

CatalogueReadResult parseCatalogue(QByteArrayView bytes);

// A file larger than 256 MiB is not read: Failed, no pairs, and an error saying it is too large.
CatalogueReadResult KatalogdateiLesen(const QString &path);

// That limit in bytes; other files that are read into a catalogue share it.
qint64 maxCatalogueBytes();

QByteArray serializeCatalogue(const Catalogue &catalogue);

struct WriteResult
{
    bool ok = false;
    QString error; // German reason, for the caller's message box
};

// Atomic: when the write fails, a file that was there stays as it was.
WriteResult KatalogdateiSchreiben(const QString &path, const Catalogue &catalogue);
