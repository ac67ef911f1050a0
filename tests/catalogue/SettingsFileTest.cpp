// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/SettingsFile.h"

#include "TestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const Settings &settings, std::ostream *out)
{
    *out << "{\"" << settings.defaultCatalogue.toStdString() << "\", " << settings.printPermission
         << ", " << settings.hideDrives << '}';
}

namespace {

const Settings defaults{};

struct SettingsCase
{
    const char *name;
    QByteArray bytes;
    Settings expected;
};

class SettingsParsing : public testing::TestWithParam<SettingsCase>
{ };

TEST_P(SettingsParsing, GivesTheseSettings)
{
    EXPECT_EQ(parseSettings(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
        Fields, SettingsParsing,
        testing::Values(SettingsCase{"AsWritten",
                                     settingsBytes("TIERE.TXT", " 1 ", " 0 "),
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"NoDefaultCatalogue",
                                     settingsBytes("", " 2 ", " 2 "),
                                     {QString(), 2, 2}},
                        SettingsCase{"EmptyFile", "", defaults},
                        SettingsCase{"OnlyTwoLinesGiveDefaultsForTheNameToo",
                                     "[Datei]\r\nTIERE.TXT\r\n", defaults},
                        SettingsCase{"Line4Holding3", settingsBytes("TIERE.TXT", " 3 ", " 0 "),
                                     defaults},
                        SettingsCase{"CommaInTheNameShiftsTheFields",
                                     settingsBytes("A,B.TXT", " 1 ", " 0 "), defaults},
                        SettingsCase{"QuotedNameKeepsItsComma",
                                     settingsBytes("\"A,B.TXT\"", " 1 ", " 0 "),
                                     {u"A,B.TXT"_s, 1, 0}},
                        SettingsCase{"TextAfterTheClosingQuoteIsDropped",
                                     settingsBytes("\"A.TXT\"xy", " 1 ", " 0 "),
                                     {u"A.TXT"_s, 1, 0}},
                        SettingsCase{"BlanksBeforeTheNameAreSkipped",
                                     settingsBytes("   TIERE.TXT", "1", "0"),
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"ValuesAreTakenByPositionNotByName",
                                     "x\r\nTIERE.TXT\r\ny\r\n 1 \r\nz\r\n 0 \r\n",
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"CommasSeparateFieldsOnOneLine",
                                     "[Datei],TIERE.TXT,[Druck], 1 ,[Laden], 0\r\n",
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"EmptyNumberIsZero",
                                     settingsBytes("TIERE.TXT", "", "   "),
                                     {u"TIERE.TXT"_s, 0, 0}},
                        SettingsCase{"NumberThatIsNoNumber",
                                     settingsBytes("TIERE.TXT", " eins ", " 0 "), defaults},
                        SettingsCase{"NotANumberLiteral",
                                     settingsBytes("TIERE.TXT", " nan ", " 0 "), defaults},
                        SettingsCase{"LastLineWithoutLineEnd",
                                     settingsBytes("TIERE.TXT", " 1 ", " 0").chopped(2),
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"LfLineEnds",
                                     "[Datei]\nTIERE.TXT\n[Druck]\n 1 \n[Laden]\n 0 \n",
                                     {u"TIERE.TXT"_s, 1, 0}},
                        SettingsCase{"Windows1252Name",
                                     settingsBytes("\xC4PFEL.TXT", " 1 ", " 0 "),
                                     {u"ÄPFEL.TXT"_s, 1, 0}}),
        [](const auto &info) { return std::string(info.param.name); });

// Halves go to the even neighbour; only 0, 1 and 2 are check box values.
INSTANTIATE_TEST_SUITE_P(
        Rounding, SettingsParsing,
        testing::Values(SettingsCase{"HalfRoundsDownToZero",
                                     settingsBytes("N", " 0.5 ", " 1 "),
                                     {u"N"_s, 0, 1}},
                        SettingsCase{"OneAndAHalfRoundsUpToTwo",
                                     settingsBytes("N", " 1.5 ", " 1 "),
                                     {u"N"_s, 2, 1}},
                        SettingsCase{"TwoAndAHalfRoundsDownToTwo",
                                     settingsBytes("N", " 2.5 ", " 1 "),
                                     {u"N"_s, 2, 1}},
                        SettingsCase{"JustOverTwoAndAHalfIsThree",
                                     settingsBytes("N", " 2.51 ", " 1 "), defaults},
                        SettingsCase{"SmallNegativeRoundsToZero",
                                     settingsBytes("N", " -0.4 ", " 1 "),
                                     {u"N"_s, 0, 1}},
                        SettingsCase{"MinusOneHalfRoundsToZero",
                                     settingsBytes("N", " -0.5 ", " 1 "),
                                     {u"N"_s, 0, 1}},
                        SettingsCase{"BeyondSixteenBits", settingsBytes("N", " 65537 ", " 1 "),
                                     defaults}),
        [](const auto &info) { return std::string(info.param.name); });

// The six lines of another set of values are checked where "Abbruch" writes them.
TEST(SettingsWriting, WritesTheSixLinesOfTheDefaults)
{
    EXPECT_EQ(serializeSettings(defaults),
              QByteArray("[Datei]\r\n\r\n[Druck]\r\n 0 \r\n[Laden]\r\n 1 \r\n"));
}

class SettingsRoundTrip : public testing::TestWithParam<Settings>
{ };

TEST_P(SettingsRoundTrip, ReadsBackWhatWasWritten)
{
    EXPECT_EQ(parseSettings(serializeSettings(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
        Values, SettingsRoundTrip,
        testing::Values(Settings{u"TIERE.TXT"_s, 1, 0}, Settings{QString(), 0, 1},
                        Settings{u"X.TXT"_s, 2, 2}, Settings{u"ÄPFEL.TXT"_s, 0, 0},
                        Settings{u"ŁÓDŹ.TXT"_s, 1, 1}, Settings{u"A,B.TXT"_s, 1, 2},
                        Settings{u" LEER.TXT"_s, 2, 0}, Settings{u"ENDE .TXT "_s, 0, 2},
                        Settings{u"ZWEI\nZEILEN.TXT"_s, 1, 0}, Settings{u"\r\n"_s, 0, 0},
                        Settings{u"\tTAB.TXT"_s, 1, 1}, Settings{u"\tZI\"TAT.TXT"_s, 1, 1},
                        Settings{u"ZI\"TAT\".TXT"_s, 2, 1}));

// A double quote at the start of a name, or beside a comma, a line end or a leading blank, has
// no written form: the name is left out and the two switches read back all the same.
class NameWithoutWrittenForm : public testing::TestWithParam<QString>
{ };

TEST_P(NameWithoutWrittenForm, IsLeftOutAndTheSwitchesReadBack)
{
    EXPECT_EQ(parseSettings(serializeSettings({GetParam(), 1, 0})), (Settings{QString(), 1, 0}));
}

INSTANTIATE_TEST_SUITE_P(Names, NameWithoutWrittenForm,
                         testing::Values(u"\"ZITAT.TXT"_s, u" \"ZITAT.TXT"_s, u"\""_s,
                                         u"ZI\"TAT,KOMMA.TXT"_s, u"ZI\"TAT\r\nZEILE.TXT"_s));

} // namespace
