#include "catalogue/CatalogueFile.h"

#include "support/QtPrinters.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

struct RoundTripCase
{
    std::string name;
    Catalogue catalogue;
    QByteArray bytes; // what the file holds
};

void PrintTo(const RoundTripCase &row, std::ostream *out)
{
    *out << row.name;
}

class CatalogueRoundTrip : public testing::TestWithParam<RoundTripCase>
{};

TEST_P(CatalogueRoundTrip, WritesTheseBytesAndReadsThePairsBack)
{
    const QByteArray bytes = serializeCatalogue(GetParam().catalogue);
    EXPECT_EQ(bytes, GetParam().bytes);
    const CatalogueReadResult back = parseCatalogue(bytes);
    EXPECT_EQ(back.outcome, ReadOutcome::Complete);
    EXPECT_EQ(back.pairs.questions, GetParam().catalogue.questions);
    EXPECT_EQ(back.pairs.answers, GetParam().catalogue.answers);
}

INSTANTIATE_TEST_SUITE_P(
    BothEncodings, CatalogueRoundTrip,
    testing::Values(
        RoundTripCase{"NoPairsGiveAnEmptyFile", {}, ""},
        RoundTripCase{"Windows1252",
                      {{u"Hauptstadt von \u00D6sterreich?"_s, u"Gr\u00FC\u00DFe"_s},
                       {u"Wien"_s, u"\u201E5 \u20AC\u201C"_s}},
                      "Hauptstadt von \xD6sterreich?\r\nWien\r\nGr\xFC\xDF" "e\r\n"
                      "\x84" "5 \x80\x93\r\n"},
        RoundTripCase{"BlanksCommasAndQuotesUnchanged",
                      {{u" a, \"b\" "_s}, {u"\tc"_s}},
                      " a, \"b\" \r\n\tc\r\n"},
        RoundTripCase{"Utf8WithBomWhenACharacterDoesNotFit",
                      {{u"Stadt"_s, u"Tor"_s}, {u"\u0141\u00F3d\u017A"_s, u"\u00C4"_s}},
                      kUtf8Bom.toByteArray() + "Stadt\r\n\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n"
                          "Tor\r\n\xC3\x84\r\n"},
        // In Windows-1252 these bytes would be valid UTF-8 and read back as "ä".
        RoundTripCase{"Utf8WhenWindows1252WouldReadAsUtf8",
                      {{u"\u00C3\u00A4"_s}, {u"x"_s}},
                      kUtf8Bom.toByteArray() + "\xC3\x83\xC2\xA4\r\nx\r\n"},
        RoundTripCase{"Utf8WhenWindows1252WouldStartLikeABom",
                      {{u"\u00EF\u00BB\u00BFx"_s}, {u"y"_s}},
                      kUtf8Bom.toByteArray() + "\xC3\xAF\xC2\xBB\xC2\xBFx\r\ny\r\n"}),
    [](const testing::TestParamInfo<RoundTripCase> &info) { return info.param.name; });

class CatalogueFiles : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(CatalogueFiles, Windows1252FileWithUndefinedBytesIsWrittenBackByteIdentical)
{
    const QByteArray original = "a\xE4" "b\xDF" "c\x80" "d\x81" "e\x8D" "f\x8F" "g\x90" "h\x9D"
                                "i\r\nAntwort\r\n";
    putFile(path(u"ALT.TXT"_s), original);

    const CatalogueReadResult read = KatalogdateiLesen(path(u"ALT.TXT"_s));
    ASSERT_EQ(read.outcome, ReadOutcome::Complete);
    ASSERT_EQ(read.pairs.questions.size(), 1);
    EXPECT_EQ(read.pairs.questions[0], u"a\u00E4b\u00DFc\u20ACd\u0081e\u008Df\u008Fg\u0090h\u009Di"_s);

    const WriteResult written = KatalogdateiSchreiben(path(u"NEU.TXT"_s), read.pairs);
    EXPECT_TRUE(written.ok);
    EXPECT_TRUE(written.error.isEmpty());
    EXPECT_EQ(fileBytes(path(u"NEU.TXT"_s)), original);
}

TEST_F(CatalogueFiles, WritingReplacesAnExistingFile)
{
    putFile(path(u"K.TXT"_s), "alt\r\nalt\r\nalt\r\nalt\r\n");
    ASSERT_TRUE(KatalogdateiSchreiben(path(u"K.TXT"_s), {{u"F"_s}, {u"A"_s}}).ok);
    EXPECT_EQ(fileBytes(path(u"K.TXT"_s)), QByteArray("F\r\nA\r\n"));
}

TEST_F(CatalogueFiles, MissingFileFailsWithAGermanReason)
{
    const CatalogueReadResult read = KatalogdateiLesen(path(u"FEHLT.TXT"_s));
    EXPECT_EQ(read.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_EQ(read.error,
              u"Die Datei „%1“ wurde nicht gefunden."_s.arg(path(u"FEHLT.TXT"_s)));
}

TEST_F(CatalogueFiles, FolderNamedLikeAFileFails)
{
    ASSERT_TRUE(QDir().mkpath(path(u"ORDNER.TXT"_s)));
    const CatalogueReadResult read = KatalogdateiLesen(path(u"ORDNER.TXT"_s));
    EXPECT_EQ(read.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_EQ(read.error, u"„%1“ ist ein Ordner und keine Datei."_s.arg(path(u"ORDNER.TXT"_s)));
}

TEST_F(CatalogueFiles, FileOver256MiBIsNotReadAndCalledTooLarge)
{
    QFile file(path(u"GROSS.TXT"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write("Frage\r\nAntwort\r\n") > 0);
    ASSERT_TRUE(file.resize(qint64(256) * 1024 * 1024 + 1)); // sparse: costs no disk space
    file.close();

    const CatalogueReadResult read = KatalogdateiLesen(path(u"GROSS.TXT"_s));
    EXPECT_EQ(read.outcome, ReadOutcome::Failed);
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    EXPECT_EQ(read.error,
              u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 256 MiB)."_s.arg(
                  path(u"GROSS.TXT"_s)));
}

TEST_F(CatalogueFiles, FailedWriteIntoAMissingFolderCreatesNothing)
{
    const QString target = path(u"FEHLT/K.TXT"_s);
    const WriteResult written = KatalogdateiSchreiben(target, {{u"F"_s}, {u"A"_s}});
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, u"Den Ordner „%1“ gibt es nicht."_s.arg(path(u"FEHLT"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(u"FEHLT"_s)));
}

TEST_F(CatalogueFiles, FailedWriteOverAFolderLeavesItAndLeavesNoTemporaryFile)
{
    const QString target = path(u"K.TXT"_s);
    ASSERT_TRUE(QDir().mkpath(target));
    putFile(target + u"/inhalt"_s, "bleibt");

    const WriteResult written = KatalogdateiSchreiben(target, {{u"F"_s}, {u"A"_s}});
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, u"„%1“ ist ein Ordner und keine Datei."_s.arg(target));
    EXPECT_EQ(fileBytes(target + u"/inhalt"_s), QByteArray("bleibt"));
    EXPECT_EQ(QDir(path(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"K.TXT"_s});
}

} // namespace
