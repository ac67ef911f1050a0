// Files nobody meant as a catalogue, met where a catalogue or the settings file is expected:
// FIFOs and devices (also behind a symbolic link), huge lines, NUL bytes, random bytes.
#include "catalogue/CatalogueFile.h"
#include "catalogue/SettingsFile.h"

#include "HangGuard.h"
#include "HostileBytes.h"
#include "SpecialFiles.h"
#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

using namespace Qt::StringLiterals;

namespace {

bool isDefaultSettings(const Settings &settings)
{
    return settings == Settings{QString(), 0, 1};
}

// Makes the hostile thing in the folder and gives the path a reader is handed.
struct SpecialFileCase
{
    std::string name;
    QString (*make)(const QDir &folder);
    const char16_t *reason; // %1 stands for the path
};

void PrintTo(const SpecialFileCase &row, std::ostream *out)
{
    *out << row.name;
}

class SpecialFiles : public testing::TestWithParam<SpecialFileCase>
{
protected:
    QTemporaryDir dir;
};

// Opening a FIFO for reading waits for a writer; reading a device may never end.
TEST_P(SpecialFiles, AreRefusedAtOnceByBothReaders)
{
    ASSERT_TRUE(dir.isValid());
    const QString path = GetParam().make(QDir(dir.path()));
    ASSERT_FALSE(HasFatalFailure());
    const HangGuard guard("reading " + GetParam().name, std::chrono::seconds(20));

    const CatalogueReadResult read = KatalogdateiLesen(path);
    EXPECT_EQ(read.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_TRUE(read.pairs.answers.isEmpty());
    EXPECT_EQ(read.error, QString::fromUtf16(GetParam().reason).arg(path));
    EXPECT_TRUE(isDefaultSettings(readSettingsFile(path)));
}

INSTANTIATE_TEST_SUITE_P(
    NamedLikeACatalogue, SpecialFiles,
    testing::Values(
        SpecialFileCase{"Fifo",
                        [](const QDir &folder) {
                            makeFifo(folder.filePath(u"ROHR.TXT"_s));
                            return folder.filePath(u"ROHR.TXT"_s);
                        },
                        u"„%1“ ist keine gewöhnliche Datei."},
        SpecialFileCase{"LinkToAFifo",
                        [](const QDir &folder) {
                            makeFifo(folder.filePath(u"rohr"_s));
                            makeLink(folder.filePath(u"rohr"_s), folder.filePath(u"ROHR.TXT"_s));
                            return folder.filePath(u"ROHR.TXT"_s);
                        },
                        u"„%1“ ist keine gewöhnliche Datei."},
        SpecialFileCase{"LinkToACharacterDevice",
                        [](const QDir &folder) {
                            makeLink(u"/dev/null"_s, folder.filePath(u"NULL.TXT"_s));
                            return folder.filePath(u"NULL.TXT"_s);
                        },
                        u"„%1“ ist keine gewöhnliche Datei."},
        SpecialFileCase{"CharacterDevice", [](const QDir &) { return u"/dev/null"_s; },
                        u"„%1“ ist keine gewöhnliche Datei."},
        SpecialFileCase{"LinkToNothing",
                        [](const QDir &folder) {
                            makeLink(folder.filePath(u"weg"_s), folder.filePath(u"WEG.TXT"_s));
                            return folder.filePath(u"WEG.TXT"_s);
                        },
                        u"Die Datei „%1“ wurde nicht gefunden."}),
    [](const testing::TestParamInfo<SpecialFileCase> &info) { return info.param.name; });

class HostileContent : public testing::Test
{
protected:
    QString put(const QByteArray &bytes)
    {
        const QString path = dir.filePath(u"FEIND.TXT"_s);
        putFile(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(HostileContent, ALineOf50MBWithoutAnAnswerGivesNoPair)
{
    const CatalogueReadResult read = KatalogdateiLesen(put(HostileBytes::hugeLine()));
    EXPECT_EQ(read.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_TRUE(read.pairs.answers.isEmpty());
    EXPECT_EQ(read.error, QString()); // merely ends inside a record
}

TEST_F(HostileContent, AQuestionOf50MBIsKeptWhole)
{
    const CatalogueReadResult read = KatalogdateiLesen(put(HostileBytes::hugeLine() + "\r\nAntwort\r\n"));
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    ASSERT_EQ(read.pairs.questions.size(), 1);
    const QString &question = read.pairs.questions[0];
    EXPECT_EQ(question.size(), HostileBytes::hugeLineLength);
    EXPECT_EQ(question.first(13), u"Lernkärtchen "_s);
    EXPECT_EQ(question.back(), u'x');
    EXPECT_EQ(read.pairs.answers, QStringList{u"Antwort"_s});
}

TEST_F(HostileContent, NulBytesAreOrdinaryCharacters)
{
    const CatalogueReadResult read =
        KatalogdateiLesen(put(HostileBytes::of("Fr\0age\r\n\0\r\n\0Ant\0wort\0\r\nx\r\n")));
    EXPECT_EQ(read.outcome, ReadOutcome::Complete);
    EXPECT_EQ(read.pairs.questions, QStringList({u"Fr\u0000age"_s, u"\u0000Ant\u0000wort\u0000"_s}));
    EXPECT_EQ(read.pairs.answers, QStringList({u"\u0000"_s, u"x"_s}));
}

TEST_F(HostileContent, ASettingsFileOver1MiBGivesTheDefaultsThoughItStartsWell)
{
    const QString path = put("[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n");
    ASSERT_FALSE(isDefaultSettings(readSettingsFile(path)));
    QFile file(path);
    ASSERT_TRUE(file.resize(1024 * 1024 + 1)); // the rest reads as NUL bytes, and costs no disk
    EXPECT_TRUE(isDefaultSettings(readSettingsFile(path)));
}

// Random bytes: whatever the reader makes of them, it must be a catalogue that can be saved and
// read back unchanged, and settings within their range.
class RandomBytes : public HostileContent, public testing::WithParamInterface<std::uint32_t>
{};

TEST_P(RandomBytes, GiveAUsableCatalogueAndSettings)
{
    const QByteArray bytes = HostileBytes::random(GetParam(), 64 * 1024);
    const qsizetype lineEnds = bytes.count('\r');
    const QString path = put(bytes);

    const CatalogueReadResult read = KatalogdateiLesen(path);
    EXPECT_EQ(read.error, QString());
    ASSERT_EQ(read.pairs.questions.size(), read.pairs.answers.size());
    EXPECT_LE(read.pairs.questions.size(), (lineEnds + 1) / 2);
    EXPECT_GT(read.pairs.questions.size(), 0); // 64 KiB of chance hold some 250 line ends
    for (const QStringList *texts : {&read.pairs.questions, &read.pairs.answers}) {
        for (const QString &text : *texts) {
            EXPECT_FALSE(text.isEmpty());
            EXPECT_FALSE(text.contains(u'\r'));
        }
    }
    ASSERT_TRUE(KatalogdateiSchreiben(path, read.pairs).ok);
    const CatalogueReadResult back = KatalogdateiLesen(path);
    EXPECT_EQ(back.outcome, ReadOutcome::Complete);
    EXPECT_EQ(back.pairs.questions, read.pairs.questions);
    EXPECT_EQ(back.pairs.answers, read.pairs.answers);

    putFile(path, bytes);
    const Settings settings = readSettingsFile(path);
    EXPECT_GE(settings.printPermission, 0);
    EXPECT_LE(settings.printPermission, 2);
    EXPECT_GE(settings.hideDrives, 0);
    EXPECT_LE(settings.hideDrives, 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomBytes, testing::Values(1u, 7u, 1997u, 20240229u));

} // namespace
