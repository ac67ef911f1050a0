#include "catalogue/CatalogueFile.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Pairs = std::vector<std::pair<QString, QString>>;

Pairs pairsOf(const Catalogue &catalogue)
{
    EXPECT_EQ(catalogue.questions.size(), catalogue.answers.size());
    Pairs pairs;
    for (qsizetype i = 0; i < catalogue.questions.size() && i < catalogue.answers.size(); ++i)
        pairs.emplace_back(catalogue.questions[i], catalogue.answers[i]);
    return pairs;
}

struct ReadingCase
{
    std::string name;
    QByteArray bytes;
    Pairs pairs;
    ReadOutcome outcome;
};

void PrintTo(const ReadingCase &row, std::ostream *out)
{
    *out << row.name;
}

class CatalogueReading : public testing::TestWithParam<ReadingCase>
{};

TEST_P(CatalogueReading, YieldsThePairsAndOutcome)
{
    const CatalogueReadResult result = parseCatalogue(GetParam().bytes);
    EXPECT_EQ(pairsOf(result.pairs), GetParam().pairs);
    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_TRUE(result.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LinesAndRecords, CatalogueReading,
    testing::Values(
        ReadingCase{"EmptyFile", "", {}, ReadOutcome::Complete},
        ReadingCase{"StrayEmptyLineShiftsLaterPairs",
                    "Q1\r\nA1\r\n\r\nQ2\r\nA2\r\nQ3\r\n",
                    {{u"Q1"_s, u"A1"_s}, {u"A2"_s, u"Q3"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"OddLineCountKeepsPairsBefore",
                    "Q1\r\nA1\r\nQ2\r\nA2\r\nQ3\r\n",
                    {{u"Q1"_s, u"A1"_s}, {u"Q2"_s, u"A2"_s}},
                    ReadOutcome::Failed},
        ReadingCase{"OneTrailingEmptyLineFails",
                    "Q1\r\nA1\r\n\r\n",
                    {{u"Q1"_s, u"A1"_s}},
                    ReadOutcome::Failed},
        ReadingCase{"TwoTrailingEmptyLinesAreAnEmptyRecord",
                    "Q1\r\nA1\r\n\r\n\r\n",
                    {{u"Q1"_s, u"A1"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"LfOnlyIsOneLine", "Q1\nA1\nQ2\nA2\n", {}, ReadOutcome::Failed},
        ReadingCase{"LoneCrEndsALine",
                    "Q1\rA1\rQ2\rA2\r",
                    {{u"Q1"_s, u"A1"_s}, {u"Q2"_s, u"A2"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"LfInsideALineIsText",
                    "Q\n1\r\nA\n1\r\n",
                    {{u"Q\n1"_s, u"A\n1"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"CrBeforeCrLfIsAnEmptyLine",
                    "Q1\r\r\nA1\r\n",
                    {},
                    ReadOutcome::Failed},
        ReadingCase{"BlanksAtBothEndsAreKept",
                    " Q1\r\nA1 \r\nQ1\r\nA1\r\n",
                    {{u" Q1"_s, u"A1 "_s}, {u"Q1"_s, u"A1"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"LastLineWithoutLineEnd",
                    "Q1\r\nA1",
                    {{u"Q1"_s, u"A1"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"RecordWithEmptyAnswerIsSkipped",
                    "Q1\r\n\r\nQ2\r\nA2\r\n",
                    {{u"Q2"_s, u"A2"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"RecordWithEmptyQuestionIsSkipped",
                    "\r\nA1\r\nQ2\r\nA2\r\n",
                    {{u"Q2"_s, u"A2"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"CommasQuotesAndTabsAreText",
                    "\"Wer\", fragt\tdas?\r\n'ich',\"du\"\r\n",
                    {{u"\"Wer\", fragt\tdas?"_s, u"'ich',\"du\""_s}},
                    ReadOutcome::Complete}),
    [](const testing::TestParamInfo<ReadingCase> &info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Encodings, CatalogueReading,
    testing::Values(
        ReadingCase{"Windows1252Umlauts",
                    "K\xE4se\r\nStra\xDF" "e\r\n",
                    {{u"Käse"_s, u"Straße"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"Utf8WithoutBom",
                    "K\xC3\xA4se\r\nStra\xC3\x9F" "e\r\n",
                    {{u"Käse"_s, u"Straße"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"Utf8BomIsNotText",
                    "\xEF\xBB\xBFQ1\r\nA1\r\n",
                    {{u"Q1"_s, u"A1"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"Utf8BomAloneIsAnEmptyFile", "\xEF\xBB\xBF", {}, ReadOutcome::Complete},
        ReadingCase{"Utf8WithBom",
                    "\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA\r\nStadt\r\n",
                    {{u"Łódź"_s, u"Stadt"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"OneInvalidSequenceMakesItWindows1252",
                    "\xC3\xA4\r\n\xE4\r\n",
                    {{u"Ã¤"_s, u"ä"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"OverlongUtf8IsWindows1252",
                    "\xC0\xAF\r\nx\r\n",
                    {{u"À¯"_s, u"x"_s}},
                    ReadOutcome::Complete},
        ReadingCase{"EncodedSurrogateIsWindows1252",
                    "\xED\xA0\x80\r\nx\r\n",
                    {{u"í\u00A0€"_s, u"x"_s}},
                    ReadOutcome::Complete}),
    [](const testing::TestParamInfo<ReadingCase> &info) { return info.param.name; });

TEST(CatalogueReading, HasNoRowLimit)
{
    constexpr int pairCount = 40000;
    QByteArray bytes;
    for (int i = 1; i <= pairCount; ++i)
        bytes += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(i) + "\r\n";
    const CatalogueReadResult result = parseCatalogue(bytes);
    EXPECT_EQ(result.outcome, ReadOutcome::Complete);
    ASSERT_EQ(result.pairs.questions.size(), pairCount);
    ASSERT_EQ(result.pairs.answers.size(), pairCount);
    EXPECT_EQ(result.pairs.questions.last(), u"Frage 40000");
    EXPECT_EQ(result.pairs.answers.last(), u"Antwort 40000");
}

} // namespace
