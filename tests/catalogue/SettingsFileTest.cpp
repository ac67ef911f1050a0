// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: six lines, the fields taken by position.
#include "catalogue/SettingsFile.h"

#include "support/Files.h"

#include <QTemporaryDir>

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

// Values go by position; halves round to the even neighbour; only 0, 1 and 2 are check box
// values, and anything unusable gives all three defaults.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, SettingsParsing, testing::Values(
    SettingsCase{"AsWritten", settingsBytes("TIERE.TXT", " 1 ", " 0 "), {u"TIERE.TXT"_s, 1, 0}},
    SettingsCase{"EmptyFile", "", defaults},
    SettingsCase{"Line4Holding3", settingsBytes("TIERE.TXT", " 3 ", " 0 "), defaults},
    SettingsCase{"CommaInTheNameShiftsTheFields", settingsBytes("A,B.TXT", " 1 ", " 0 "), defaults},
    SettingsCase{"QuotedNameKeepsItsCommaAndDropsTheRest", settingsBytes("  \"A,B.TXT\"xy", " 1 ", " 0 "), {u"A,B.TXT"_s, 1, 0}},
    SettingsCase{"ValuesAreTakenByPositionNotByName", "x\r\nTIERE.TXT\r\ny\r\n 1 \r\nz\r\n 0", {u"TIERE.TXT"_s, 1, 0}},
    SettingsCase{"EmptyNumberIsZero", settingsBytes("\xC4PFEL.TXT", "", "   "), {u"ÄPFEL.TXT"_s, 0, 0}},
    SettingsCase{"NumberThatIsNoNumber", settingsBytes("TIERE.TXT", " eins ", " 0 "), defaults},
    SettingsCase{"NotANumberLiteral", settingsBytes("TIERE.TXT", " nan ", " 0 "), defaults},
    SettingsCase{"HalfRoundsDownToZero", settingsBytes("N", " 0.5 ", " -0.5 "), {u"N"_s, 0, 0}},
    SettingsCase{"OneAndAHalfRoundsUpToTwo", settingsBytes("N", " 1.5 ", " 2.5 "), {u"N"_s, 2, 2}},
    SettingsCase{"JustOverTwoAndAHalfIsThree", settingsBytes("N", " 2.51 ", " 1 "), defaults},
    SettingsCase{"BeyondSixteenBits", settingsBytes("N", " 65537 ", " 1 "), defaults}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// Six lines that read back as written; a file over 1 MiB gives the defaults though it starts well.
TEST(SettingsFile, WritesSixLinesAndReadsAtMost1MiB)
{
    EXPECT_EQ(serializeSettings(defaults),
              QByteArray("[Datei]\r\n\r\n[Druck]\r\n 0 \r\n[Laden]\r\n 1 \r\n"));
    for (const Settings &settings :
         {Settings{u"ŁÓDŹ.TXT"_s, 1, 0}, Settings{u"\tA,B .TXT "_s, 2, 2},
          Settings{u"\tZI\"TAT.TXT"_s, 1, 1}, Settings{u"ZI\"TAT\".TXT"_s, 2, 1}})
        EXPECT_EQ(parseSettings(serializeSettings(settings)), settings);
    // A double quote at the start of a name, or beside a comma, a line end or a leading blank,
    // has no written form: the name is left out and the two switches read back all the same.
    for (const QString &name :
         {u"\"ZITAT.TXT"_s, u" \"ZITAT.TXT"_s, u"ZI\"TAT,KOMMA.TXT"_s, u"ZI\"TAT\r\nZEILE.TXT"_s})
        EXPECT_EQ(parseSettings(serializeSettings({name, 1, 0})), (Settings{QString(), 1, 0}));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ZELMERK.INI"_s);
    putFile(path, settingsBytes("TIERE.TXT", " 1 ", " 0 "));
    ASSERT_EQ(readSettingsFile(path), (Settings{u"TIERE.TXT"_s, 1, 0}));
    ASSERT_TRUE(QFile::resize(path, 1024 * 1024 + 1)); // the rest reads as NUL bytes
    EXPECT_EQ(readSettingsFile(path), defaults);
}

} // namespace
