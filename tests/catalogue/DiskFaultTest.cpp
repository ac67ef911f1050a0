// SPDX-License-Identifier: GPL-3.0-or-later
// Every write of the program meets every disk fault: the old file stays byte for byte, nothing
// else appears on the disk, and the failure comes back with its German reason.
#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"

#include "TestFiles.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

Catalogue numberedPairs(int pairs)
{
    return {numbered(u"Frage über Größen Nummer "_s, 0, pairs - 1),
            numbered(u"Antwort Nummer "_s, 0, pairs - 1)};
}

// One of the program's writes, with the name of the file it replaces.
struct Writer
{
    const char *name;
    const char16_t *fileName;
    WriteResult (*write)(const QString &path);
};

const Writer writers[] = {
        // Large enough for QSaveFile to write it past its 16 KiB buffer, straight to the file.
        {"LargeCatalogue", u"TIERE.TXT",
         [](const QString &path) { return writeCatalogueFile(path, numberedPairs(2000)); }},
        // Stays in the buffer until it is flushed.
        {"SmallCatalogue", u"TIERE.TXT",
         [](const QString &path) { return writeCatalogueFile(path, numberedPairs(3)); }},
        {"SettingsFile", u"ZELMERK.INI",
         [](const QString &path) {
             return writeSettingsFile(path, {u"TIERE.TXT"_s, 1, 0});
         }},
};

// Where a write goes and what it must say: "{dir}" stands for the test's folder, "{file}" for
// the writer's file name.
struct Fault
{
    const char *name;
    QString target;
    QString reason;
    bool fullDisk;
};

const QString overLongName =
        QString(252, u'K') + u".TXT"_s; // one byte over the 255 a name may have

const Fault faults[] = {
        {"FullDisk", u"{dir}/{file}"_s,
         u"Die Datei „{dir}/{file}“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s,
         true},
        {"FolderInTheFilesPlace", u"{dir}/ORDNER"_s,
         u"„{dir}/ORDNER“ ist ein Ordner und keine Datei."_s, false},
        {"MissingFolder", u"{dir}/FEHLT/{file}"_s, u"Den Ordner „{dir}/FEHLT“ gibt es nicht."_s,
         false},
        {"NameTooLong", u"{dir}/"_s + overLongName,
         u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s, false},
};

// Every file and folder below a folder, each file with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        entries.insert(QDir(folder).relativeFilePath(entry.filePath()),
                       entry.isDir() ? QByteArray("<Ordner>") : fileBytes(entry.filePath()));
    }
    return entries;
}

class DiskFaults : public testing::TestWithParam<std::tuple<Writer, Fault>>
{
protected:
    const Writer &writer() const { return std::get<0>(GetParam()); }
    const Fault &fault() const { return std::get<1>(GetParam()); }
    QString fill(QString text) const
    {
        return text.replace(u"{dir}"_s, dir.path())
                .replace(u"{file}"_s, QString::fromUtf16(writer().fileName));
    }

    QTemporaryDir dir;
};

TEST_P(DiskFaults, KeepTheOldFileAndReportTheFailure)
{
    const QByteArray oldBytes = "alte Frage\r\nalte Antwort\r\n";
    putFile(fill(u"{dir}/{file}"_s), oldBytes);
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"ORDNER/BLEIBT"_s));
    putFile(dir.filePath(u"ORDNER/inhalt"_s), "bleibt");
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    std::optional<FullDisk> fullDisk;
    if (fault().fullDisk) {
        ASSERT_TRUE(fullDisk.emplace(16).active()); // room for a few bytes: every write needs more
    }
    const WriteResult written = writer().write(fill(fault().target));
    fullDisk.reset();

    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, fill(fault().reason));
    EXPECT_EQ(fileBytes(fill(u"{dir}/{file}"_s)), oldBytes);
    EXPECT_EQ(snapshot(dir.path()), before) << "a file appeared, went or changed";
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, DiskFaults,
                         testing::Combine(testing::ValuesIn(writers), testing::ValuesIn(faults)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).name)
                                     + std::get<1>(info.param).name;
                         });

// The same writes go through when the disk has room: the faults above are what made them fail.
class RoomOnTheDisk : public testing::TestWithParam<Writer>
{ };

TEST_P(RoomOnTheDisk, LetsEveryWriteReplaceTheOldFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QString::fromUtf16(GetParam().fileName));
    putFile(file, "alt");
    const FullDisk roomForAMegabyte(1024 * 1024);
    ASSERT_TRUE(roomForAMegabyte.active());
    const WriteResult written = GetParam().write(file);
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.error, QString());
    EXPECT_NE(fileBytes(file), QByteArray("alt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QString::fromUtf16(GetParam().fileName)});
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, RoomOnTheDisk, testing::ValuesIn(writers),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
