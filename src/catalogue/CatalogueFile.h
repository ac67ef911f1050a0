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
// line, fails; the pairs accepted before it are kept. The number of pairs has no limit of its own.
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

// The largest catalogue file read. Every pair costs about 110 bytes of memory and a fraction of
// a microsecond however short its texts, so the limit is what bounds the pairs: 14 MiB of
// one-letter pairs are 3.7 million of them, which load within a second and stay below 1 GiB
// also while a second catalogue replaces the first. The largest usual catalogue, 32767 pairs,
// fits with texts of 220 characters on average.
inline constexpr qint64 maxCatalogueBytes = qint64(14) * 1024 * 1024;

// A larger file is refused whole, never cut: Failed, no pairs, and an error saying it is too
// large.
CatalogueReadResult readCatalogueFile(const QString &path);

QByteArray serializeCatalogue(const Catalogue &catalogue);

struct WriteResult
{
    bool ok = false;
    QString error; // German reason, for the caller's message box
};

// Atomic: when the write fails, a file that was there stays as it was. A catalogue whose file
// would be larger than a reader takes is not written: it could never be loaded again, and its
// texts can grow on the way (lone CRs become CR LF, a character beyond Windows-1252 makes the
// whole file UTF-8).
WriteResult writeCatalogueFile(const QString &path, const Catalogue &catalogue);
