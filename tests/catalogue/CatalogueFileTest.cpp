// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue file format: lines and records, the two encodings, and whole-file reading.
#include "catalogue/CatalogueFile.h"
#include "catalogue/FileAccess.h"
#include "catalogue/Windows1252.h"

#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr ReadOutcome complete = ReadOutcome::Complete;
constexpr ReadOutcome failed = ReadOutcome::Failed;

struct ReadingCase
{
    const char *name;
    QByteArray bytes;
    QStringList questions, answers;
    ReadOutcome outcome;
};

class CatalogueReading : public testing::TestWithParam<ReadingCase>
{ };

TEST_P(CatalogueReading, YieldsThePairsAndOutcome)
{
    const CatalogueReadResult result = parseCatalogue(GetParam().bytes);
    EXPECT_EQ(result.pairs.questions, GetParam().questions);
    EXPECT_EQ(result.pairs.answers, GetParam().answers);
    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_TRUE(result.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
        LinesAndRecords, CatalogueReading,
        testing::Values(
                ReadingCase{"EmptyFile", "", {}, {}, complete},
                ReadingCase{"StrayEmptyLineShiftsLaterPairs",
                            "Q1\r\nA1\r\n\r\nQ2\r\nA2\r\nQ3\r\n",
                            {u"Q1"_s, u"A2"_s},
                            {u"A1"_s, u"Q3"_s},
                            complete},
                ReadingCase{"OddLineCountKeepsPairsBefore",
                            "Q1\r\nA1\r\nQ2\r\nA2\r\nQ3\r\n",
                            {u"Q1"_s, u"Q2"_s},
                            {u"A1"_s, u"A2"_s},
                            failed},
                ReadingCase{"OneTrailingEmptyLineFails",
                            "Q1\r\nA1\r\n\r\n",
                            {u"Q1"_s},
                            {u"A1"_s},
                            failed},
                ReadingCase{"TwoTrailingEmptyLinesAreAnEmptyRecord",
                            "Q1\r\nA1\r\n\r\n\r\n",
                            {u"Q1"_s},
                            {u"A1"_s},
                            complete},
                ReadingCase{"LfOnlyIsOneLine", "Q1\nA1\nQ2\nA2\n", {}, {}, failed},
                ReadingCase{"LoneCrEndsALine",
                            "Q1\rA1\rQ2\rA2\r",
                            {u"Q1"_s, u"Q2"_s},
                            {u"A1"_s, u"A2"_s},
                            complete},
                ReadingCase{"LfInsideALineIsText",
                            "Q\n1\r\nA\n1\r\n",
                            {u"Q\n1"_s},
                            {u"A\n1"_s},
                            complete},
                ReadingCase{"CrBeforeCrLfIsAnEmptyLine", "Q1\r\r\nA1\r\n", {}, {}, failed},
                ReadingCase{"BlanksAtBothEndsAreKept",
                            " Q1\r\nA1 \r\nQ1\r\nA1\r\n",
                            {u" Q1"_s, u"Q1"_s},
                            {u"A1 "_s, u"A1"_s},
                            complete},
                ReadingCase{"LastLineWithoutLineEnd", "Q1\r\nA1", {u"Q1"_s}, {u"A1"_s}, complete},
                ReadingCase{"RecordWithEmptyAnswerIsSkipped",
                            "Q1\r\n\r\nQ2\r\nA2\r\n",
                            {u"Q2"_s},
                            {u"A2"_s},
                            complete},
                ReadingCase{"RecordWithEmptyQuestionIsSkipped",
                            "\r\nA1\r\nQ2\r\nA2\r\n",
                            {u"Q2"_s},
                            {u"A2"_s},
                            complete},
                ReadingCase{"CommasQuotesAndTabsAreText",
                            "\"Wer\", fragt\tdas?\r\n'ich',\"du\"\r\n",
                            {u"\"Wer\", fragt\tdas?"_s},
                            {u"'ich',\"du\""_s},
                            complete}),
        [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
        Encodings, CatalogueReading,
        testing::Values(ReadingCase{"Windows1252Umlauts",
                                    "K\xE4se\r\nStra\xDF"
                                    "e\r\n",
                                    {u"Käse"_s},
                                    {u"Straße"_s},
                                    complete},
                        ReadingCase{"Utf8WithoutBom",
                                    "K\xC3\xA4se\r\nStra\xC3\x9F"
                                    "e\r\n",
                                    {u"Käse"_s},
                                    {u"Straße"_s},
                                    complete},
                        ReadingCase{"Utf8BomIsNotText",
                                    "\xEF\xBB\xBFQ1\r\nA1\r\n",
                                    {u"Q1"_s},
                                    {u"A1"_s},
                                    complete},
                        ReadingCase{"Utf8BomAloneIsAnEmptyFile", "\xEF\xBB\xBF", {}, {}, complete},
                        ReadingCase{"Utf8WithBom",
                                    "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
                                    "d\xC5\xBA\r\nStadt\r\n",
                                    {u"Łódź"_s},
                                    {u"Stadt"_s},
                                    complete},
                        ReadingCase{"OneInvalidSequenceMakesItWindows1252",
                                    "\xC3\xA4\r\n\xE4\r\n",
                                    {u"Ã¤"_s},
                                    {u"ä"_s},
                                    complete},
                        ReadingCase{"OverlongUtf8IsWindows1252",
                                    "\xC0\xAF\r\nx\r\n",
                                    {u"À¯"_s},
                                    {u"x"_s},
                                    complete},
                        ReadingCase{"EncodedSurrogateIsWindows1252",
                                    "\xED\xA0\x80\r\nx\r\n",
                                    {u"í\u00A0€"_s},
                                    {u"x"_s},
                                    complete}),
        [](const auto &info) { return std::string(info.param.name); });

// `bytes`: what the file holds.
struct RoundTripCase
{
    const char *name;
    Catalogue catalogue;
    QByteArray bytes;
};

class CatalogueRoundTrip : public testing::TestWithParam<RoundTripCase>
{ };

TEST_P(CatalogueRoundTrip, WritesTheseBytesAndReadsThePairsBack)
{
    const QByteArray bytes = serializeCatalogue(GetParam().catalogue);
    EXPECT_EQ(bytes, GetParam().bytes);
    const CatalogueReadResult back = parseCatalogue(bytes);
    EXPECT_EQ(back.outcome, complete);
    EXPECT_EQ(back.pairs.questions, GetParam().catalogue.questions);
    EXPECT_EQ(back.pairs.answers, GetParam().catalogue.answers);
}

const QByteArray bom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
        BothEncodings, CatalogueRoundTrip,
        testing::Values(RoundTripCase{"NoPairsGiveAnEmptyFile", {}, ""},
                        RoundTripCase{"Windows1252",
                                      {{u"Hauptstadt von Österreich?"_s, u"Grüße"_s},
                                       {u"Wien"_s, u"„5 €“"_s}},
                                      "Hauptstadt von \xD6sterreich?\r\nWien\r\nGr\xFC\xDF"
                                      "e\r\n\x84"
                                      "5 \x80\x93\r\n"},
                        RoundTripCase{"BlanksCommasAndQuotesUnchanged",
                                      {{u" a, \"b\" "_s}, {u"\tc"_s}},
                                      " a, \"b\" \r\n\tc\r\n"},
                        RoundTripCase{"Utf8WithBomWhenACharacterDoesNotFit",
                                      {{u"Stadt"_s, u"Łódź"_s}, {u"Tor"_s, u"Ä"_s}},
                                      bom
                                              + "Stadt\r\nTor\r\n\xC5\x81\xC3\xB3"
                                                "d\xC5\xBA\r\n\xC3\x84\r\n"},
                        // In Windows-1252 these bytes would be valid UTF-8 and read back as "ä".
                        RoundTripCase{"Utf8WhenWindows1252WouldReadAsUtf8",
                                      {{u"Ã¤"_s}, {u"x"_s}},
                                      bom + "\xC3\x83\xC2\xA4\r\nx\r\n"},
                        RoundTripCase{"Utf8WhenWindows1252WouldStartLikeABom",
                                      {{u"\u00EF\u00BB\u00BFx"_s}, {u"y"_s}},
                                      bom + "\xC3\xAF\xC2\xBB\xC2\xBFx\r\ny\r\n"}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(CatalogueFile, Windows1252WithItsFiveUndefinedBytesIsWrittenBackByteIdentical)
{
    QTemporaryDir dir;
    const QByteArray original = "a\xE4"
                                "b\xDF"
                                "c\x80"
                                "d\x81"
                                "e\x8D"
                                "f\x8F"
                                "g\x90"
                                "h\x9D"
                                "i\r\nAntwort\r\n";
    putFile(dir.filePath(u"ALT.TXT"_s), original);

    const CatalogueReadResult read = readCatalogueFile(dir.filePath(u"ALT.TXT"_s));
    ASSERT_EQ(read.outcome, complete);
    EXPECT_EQ(read.pairs.questions,
              QStringList{u"a\u00E4b\u00DFc\u20ACd\u0081e\u008Df\u008Fg\u0090h\u009Di"_s});

    const WriteResult written = writeCatalogueFile(dir.filePath(u"NEU.TXT"_s), read.pairs);
    EXPECT_TRUE(written.ok);
    EXPECT_TRUE(written.error.isEmpty());
    EXPECT_EQ(fileBytes(dir.filePath(u"NEU.TXT"_s)), original);
}

TEST(Windows1252, DecodesEveryByteLikeQtsIcuCodecAndEncodesItBack)
{
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid()) << "this Qt has no ICU windows-1252 codec to compare with";
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i) {
        const QByteArray byte(1, char(i));
        EXPECT_EQ(Windows1252::decode(byte), QString(icu.decode(byte))) << "byte " << i;
        allBytes += byte;
    }
    const QString text = Windows1252::decode(allBytes);
    EXPECT_TRUE(Windows1252::canEncode(text));
    EXPECT_EQ(Windows1252::encode(text), allBytes);
}

// "Łódź" and "Grüße für 5 €" take their ways in the round trips above.
TEST(Windows1252, CharactersOutsideTheCodePageCannotBeEncoded)
{
    EXPECT_FALSE(Windows1252::canEncode(u"\u0080")); // byte 0x80 is the euro sign
    EXPECT_FALSE(Windows1252::canEncode(u"\U0001F600"));
}

TEST(WholeFileReading, ReadsAFileOfExactlyTheLimitAndRefusesOneByteMore)
{
    QTemporaryDir dir;
    putFile(dir.filePath(u"zehn"_s), "0123456789");
    const WholeFileRead read = readWholeFile(dir.filePath(u"zehn"_s), 10);
    EXPECT_EQ(read.status, WholeFileRead::Status::Read);
    EXPECT_EQ(read.bytes, QByteArray("0123456789"));
    const WholeFileRead tooLarge = readWholeFile(dir.filePath(u"zehn"_s), 9);
    EXPECT_EQ(tooLarge.status, WholeFileRead::Status::TooLarge);
    EXPECT_TRUE(tooLarge.bytes.isEmpty());
}

} // namespace
