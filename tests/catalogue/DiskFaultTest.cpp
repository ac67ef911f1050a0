// Every write of the program meets every disk fault: the old file stays byte for byte, nothing
// else appears on the disk, and the failure comes back with its German reason.
#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"

#include "support/FullDisk.h"
#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

Catalogue numberedCatalogue(int pairs)
{
    Catalogue catalogue;
    for (int i = 0; i < pairs; ++i) {
        catalogue.questions << u"Frage Nummer %1 über Größen"_s.arg(i);
        catalogue.answers << u"Antwort Nummer %1"_s.arg(i);
    }
    return catalogue;
}

// One of the program's writes, with the file it replaces.
struct Writer
{
    std::string name;
    QString fileName;
    WriteResult (*write)(const QString &path);
};

void PrintTo(const Writer &writer, std::ostream *out)
{
    *out << writer.name;
}

// Large enough for QSaveFile to write it past its 16 KiB buffer, straight to the file.
WriteResult writeLargeCatalogue(const QString &path)
{
    static const Catalogue catalogue = numberedCatalogue(2000);
    return KatalogdateiSchreiben(path, catalogue);
}

// Stays in the buffer until it is flushed.
WriteResult writeSmallCatalogue(const QString &path)
{
    return KatalogdateiSchreiben(path, numberedCatalogue(3));
}

WriteResult writeSettings(const QString &path)
{
    return writeSettingsFile(path, Settings{u"TIERE.TXT"_s, 1, 0});
}

const Writer kWriters[] = {
    {"LargeCatalogue", u"TIERE.TXT"_s, writeLargeCatalogue},
    {"SmallCatalogue", u"TIERE.TXT"_s, writeSmallCatalogue},
    {"SettingsFile", u"ZELMERK.INI"_s, writeSettings},
};

enum class Fault { FullDisk, FolderInTheFilesPlace, MissingFolder, NameTooLong };

const Fault kFaults[] = {Fault::FullDisk, Fault::FolderInTheFilesPlace, Fault::MissingFolder,
                         Fault::NameTooLong};

const char *faultName(Fault fault)
{
    switch (fault) {
    case Fault::FullDisk: return "FullDisk";
    case Fault::FolderInTheFilesPlace: return "FolderInTheFilesPlace";
    case Fault::MissingFolder: return "MissingFolder";
    case Fault::NameTooLong: return "NameTooLong";
    }
    return "";
}

void PrintTo(Fault fault, std::ostream *out)
{
    *out << faultName(fault);
}

// One byte over the 255 a file name may have.
const QString kOverLongName = QString(252, u'K') + u".TXT"_s;

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
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        putFile(path(writer().fileName), oldBytes);
        ASSERT_TRUE(QDir(dir.path()).mkpath(u"ORDNER/BLEIBT"_s));
        putFile(path(u"ORDNER/inhalt"_s), "bleibt");
    }

    const Writer &writer() const { return std::get<0>(GetParam()); }
    Fault fault() const { return std::get<1>(GetParam()); }
    QString path(const QString &name) const { return dir.filePath(name); }

    // The file the write goes to, and the reason it must give.
    QString target() const
    {
        switch (fault()) {
        case Fault::FullDisk: return path(writer().fileName);
        case Fault::FolderInTheFilesPlace: return path(u"ORDNER"_s);
        case Fault::MissingFolder: return path(u"FEHLT/"_s + writer().fileName);
        case Fault::NameTooLong: return path(kOverLongName);
        }
        return {};
    }

    QString expectedReason() const
    {
        switch (fault()) {
        case Fault::FullDisk:
            return u"Die Datei „%1“ konnte nicht vollständig geschrieben werden."_s.arg(target());
        case Fault::FolderInTheFilesPlace:
            return u"„%1“ ist ein Ordner und keine Datei."_s.arg(target());
        case Fault::MissingFolder:
            return u"Den Ordner „%1“ gibt es nicht."_s.arg(path(u"FEHLT"_s));
        case Fault::NameTooLong:
            return u"Der Dateiname „%1“ ist zu lang."_s.arg(kOverLongName);
        }
        return {};
    }

    WriteResult write() const
    {
        const QString file = target();
        if (fault() != Fault::FullDisk)
            return writer().write(file);
        // Room for a few bytes only: every one of the writes needs more.
        const FullDisk fullDisk(16);
        EXPECT_TRUE(fullDisk.active());
        return writer().write(file);
    }

    const QByteArray oldBytes = "alte Frage\r\nalte Antwort\r\n";
    QTemporaryDir dir;
};

TEST_P(DiskFaults, KeepTheOldFileAndReportTheFailure)
{
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    const WriteResult written = write();

    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, expectedReason());
    EXPECT_EQ(fileBytes(path(writer().fileName)), oldBytes);
    EXPECT_EQ(snapshot(dir.path()), before) << "a file appeared, went or changed";
}

INSTANTIATE_TEST_SUITE_P(
    EveryWrite, DiskFaults, testing::Combine(testing::ValuesIn(kWriters), testing::ValuesIn(kFaults)),
    [](const testing::TestParamInfo<std::tuple<Writer, Fault>> &info) {
        return std::get<0>(info.param).name + faultName(std::get<1>(info.param));
    });

// The same writes go through when the disk has room: the faults above are what made them fail.
class RoomOnTheDisk : public testing::TestWithParam<Writer>
{};

TEST_P(RoomOnTheDisk, LetsEveryWriteReplaceTheOldFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(GetParam().fileName);
    putFile(file, "alt");
    const FullDisk roomForAMegabyte(1024 * 1024);
    ASSERT_TRUE(roomForAMegabyte.active());
    const WriteResult written = GetParam().write(file);
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.error, QString());
    EXPECT_NE(fileBytes(file), QByteArray("alt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{GetParam().fileName});
}

INSTANTIATE_TEST_SUITE_P(EveryWrite, RoomOnTheDisk, testing::ValuesIn(kWriters),
                         [](const testing::TestParamInfo<Writer> &info) { return info.param.name; });

} // namespace
