// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists from spreadsheet programs: separators, quotes, row ends and encodings.
#include "catalogue/SpreadsheetFile.h"

#include "support/Files.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SpreadsheetCase
{
    const char *name;
    QByteArray bytes;
    QStringList questions, answers;
};

class SpreadsheetReading : public testing::TestWithParam<SpreadsheetCase>
{ };

TEST_P(SpreadsheetReading, YieldsThePairs)
{
    const CatalogueReadResult result = parseSpreadsheet(GetParam().bytes);
    EXPECT_EQ(result.pairs.questions, GetParam().questions);
    EXPECT_EQ(result.pairs.answers, GetParam().answers);
    EXPECT_EQ(result.outcome, ReadOutcome::Complete);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, SpreadsheetReading, testing::Values(
    SpreadsheetCase{"SemicolonCrLfQuotesExtraColumnsBlanks", " Hund ;dog;x\r\n\"Rom; Italien\";\"sagt \"\"Hallo\"\"\";\"y\r\nz\"\r\n", {u" Hund "_s, u"Rom; Italien"_s}, {u"dog"_s, u"sagt \"Hallo\""_s}},
    SpreadsheetCase{"CommaLfFirstRowWithASeparatorDecidesShortRowsSkipped", "Vokabeln\nWal,whale\n,leer\nleer,\n\nKatze,cat", {u"Wal"_s, u"Katze"_s}, {u"whale"_s, u"cat"_s}},
    SpreadsheetCase{"TabBeforeSemicolonBeforeCommaLoneCr", "x, y; z\t1,5\rQ\tA\r", {u"x, y; z"_s, u"Q"_s}, {u"1,5"_s, u"A"_s}},
    SpreadsheetCase{"SeparatorInQuotesDoesNotCount", "\"a\tb\";c,d\r\n", {u"a\tb"_s}, {u"c,d"_s}},
    SpreadsheetCase{"LineBreaksInFieldsBecomeOneBlankEach", "\"eins\r\nzwei\";\"a\nb\rc\r\n\r\n\"\r\nQ;A\r\n", {u"eins zwei"_s, u"Q"_s}, {u"a b c  "_s, u"A"_s}},
    SpreadsheetCase{"StrayQuotesAndAQuoteLeftOpen", "5\" Diskette;\"ab\"c\r\nQ;\"offen\r\nbis; Ende", {u"5\" Diskette"_s, u"Q"_s}, {u"abc"_s, u"offen bis; Ende"_s}},
    SpreadsheetCase{"Windows1252Umlauts", "K\xE4se;Stra\xDF" "e\r\n", {u"Käse"_s}, {u"Straße"_s}},
    SpreadsheetCase{"Utf8BomBeforeAQuotedField", "\xEF\xBB\xBF\"K\xC3\xA4se;\";Stra\xC3\x9F" "e\r\n", {u"Käse;"_s}, {u"Straße"_s}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
