#include "catalogue/SettingsFile.h"

#include "support/QtPrinters.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

void PrintTo(const Settings &settings, std::ostream *out)
{
    *out << "{\"" << settings.defaultCatalogue.toStdString() << "\", " << settings.printPermission
         << ", " << settings.hideDrives << '}';
}

namespace {

const Settings kDefaults{QString(), 0, 1};

struct SettingsCase
{
    std::string name;
    QByteArray bytes;
    Settings expected;
};

void PrintTo(const SettingsCase &row, std::ostream *out)
{
    *out << row.name;
}

class SettingsParsing : public testing::TestWithParam<SettingsCase>
{};

TEST_P(SettingsParsing, GivesTheseSettings)
{
    EXPECT_EQ(parseSettings(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SettingsParsing,
    testing::Values(
        SettingsCase{"AsWritten",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"NoDefaultCatalogue",
                     "[Datei]\r\n\r\n[Druck]\r\n 2 \r\n[Laden]\r\n 2 \r\n",
                     {QString(), 2, 2}},
        SettingsCase{"EmptyFile", "", kDefaults},
        SettingsCase{"OnlyTwoLinesGiveDefaultsForTheNameToo", "[Datei]\r\nTIERE.TXT\r\n", kDefaults},
        SettingsCase{"Line4Holding3",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 3 \r\n[Laden]\r\n 0 \r\n",
                     kDefaults},
        SettingsCase{"CommaInTheNameShiftsTheFields",
                     "[Datei]\r\nA,B.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n",
                     kDefaults},
        SettingsCase{"QuotedNameKeepsItsComma",
                     "[Datei]\r\n\"A,B.TXT\"\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n",
                     {u"A,B.TXT"_s, 1, 0}},
        SettingsCase{"TextAfterTheClosingQuoteIsDropped",
                     "[Datei]\r\n\"A.TXT\"xy\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n",
                     {u"A.TXT"_s, 1, 0}},
        SettingsCase{"BlanksBeforeTheNameAreSkipped",
                     "[Datei]\r\n   TIERE.TXT\r\n[Druck]\r\n1\r\n[Laden]\r\n0\r\n",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"ValuesAreTakenByPositionNotByName",
                     "x\r\nTIERE.TXT\r\ny\r\n 1 \r\nz\r\n 0 \r\n",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"CommasSeparateFieldsOnOneLine",
                     "[Datei],TIERE.TXT,[Druck], 1 ,[Laden], 0\r\n",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"EmptyNumberIsZero",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n\r\n[Laden]\r\n   \r\n",
                     {u"TIERE.TXT"_s, 0, 0}},
        SettingsCase{"NumberThatIsNoNumber",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n eins \r\n[Laden]\r\n 0 \r\n",
                     kDefaults},
        SettingsCase{"NotANumberLiteral",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n nan \r\n[Laden]\r\n 0 \r\n",
                     kDefaults},
        SettingsCase{"LastLineWithoutLineEnd",
                     "[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"LfLineEnds",
                     "[Datei]\nTIERE.TXT\n[Druck]\n 1 \n[Laden]\n 0 \n",
                     {u"TIERE.TXT"_s, 1, 0}},
        SettingsCase{"Windows1252Name",
                     "[Datei]\r\n\xC4PFEL.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n",
                     {u"\u00C4PFEL.TXT"_s, 1, 0}}),
    [](const testing::TestParamInfo<SettingsCase> &info) { return info.param.name; });

// Halves go to the even neighbour; only 0, 1 and 2 are check box values.
INSTANTIATE_TEST_SUITE_P(
    Rounding, SettingsParsing,
    testing::Values(
        SettingsCase{"HalfRoundsDownToZero", "a\r\nN\r\nb\r\n 0.5 \r\nc\r\n 1 \r\n", {u"N"_s, 0, 1}},
        SettingsCase{"OneAndAHalfRoundsUpToTwo", "a\r\nN\r\nb\r\n 1.5 \r\nc\r\n 1 \r\n", {u"N"_s, 2, 1}},
        SettingsCase{"TwoAndAHalfRoundsDownToTwo", "a\r\nN\r\nb\r\n 2.5 \r\nc\r\n 1 \r\n", {u"N"_s, 2, 1}},
        SettingsCase{"JustOverTwoAndAHalfIsThree", "a\r\nN\r\nb\r\n 2.51 \r\nc\r\n 1 \r\n", kDefaults},
        SettingsCase{"SmallNegativeRoundsToZero", "a\r\nN\r\nb\r\n -0.4 \r\nc\r\n 1 \r\n", {u"N"_s, 0, 1}},
        SettingsCase{"MinusOneHalfRoundsToZero", "a\r\nN\r\nb\r\n -0.5 \r\nc\r\n 1 \r\n", {u"N"_s, 0, 1}},
        SettingsCase{"BeyondSixteenBits", "a\r\nN\r\nb\r\n 65537 \r\nc\r\n 1 \r\n", kDefaults}),
    [](const testing::TestParamInfo<SettingsCase> &info) { return info.param.name; });

TEST(SettingsWriting, WritesTheSixLines)
{
    EXPECT_EQ(serializeSettings({u"TIERE.TXT"_s, 1, 0}),
              QByteArray("[Datei]\r\nTIERE.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n"));
    EXPECT_EQ(serializeSettings(kDefaults),
              QByteArray("[Datei]\r\n\r\n[Druck]\r\n 0 \r\n[Laden]\r\n 1 \r\n"));
}

class SettingsRoundTrip : public testing::TestWithParam<Settings>
{};

TEST_P(SettingsRoundTrip, ReadsBackWhatWasWritten)
{
    EXPECT_EQ(parseSettings(serializeSettings(GetParam())), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRoundTrip,
    testing::Values(Settings{u"TIERE.TXT"_s, 1, 0},
                    Settings{QString(), 0, 1},
                    Settings{u"X.TXT"_s, 2, 2},
                    Settings{u"\u00C4PFEL.TXT"_s, 0, 0},
                    Settings{u"\u0141\u00D3D\u0179.TXT"_s, 1, 1},
                    Settings{u"A,B.TXT"_s, 1, 2},
                    Settings{u" LEER.TXT"_s, 2, 0},
                    Settings{u"ENDE .TXT "_s, 0, 2},
                    Settings{u"ZWEI\nZEILEN.TXT"_s, 1, 0},
                    Settings{u"\r\n"_s, 0, 0},
                    Settings{u"\tTAB.TXT"_s, 1, 1}));

class SettingsFiles : public testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(SettingsFiles, MissingFileGivesDefaults)
{
    EXPECT_EQ(readSettingsFile(path(u"ZELMERK.INI"_s)), kDefaults);
}

TEST_F(SettingsFiles, FolderNamedLikeTheFileGivesDefaults)
{
    ASSERT_TRUE(QDir().mkpath(path(u"ZELMERK.INI"_s)));
    EXPECT_EQ(readSettingsFile(path(u"ZELMERK.INI"_s)), kDefaults);
}

TEST_F(SettingsFiles, WrittenFileReadsBack)
{
    putFile(path(u"ZELMERK.INI"_s), "alt");
    const Settings settings{u"TIERE.TXT"_s, 1, 0};
    const WriteResult written = writeSettingsFile(path(u"ZELMERK.INI"_s), settings);
    EXPECT_TRUE(written.ok);
    EXPECT_TRUE(written.error.isEmpty());
    EXPECT_EQ(readSettingsFile(path(u"ZELMERK.INI"_s)), settings);
}

TEST_F(SettingsFiles, FailedWriteGivesTheReason)
{
    const WriteResult written = writeSettingsFile(path(u"FEHLT/ZELMERK.INI"_s), kDefaults);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.error, u"Den Ordner „%1“ gibt es nicht."_s.arg(path(u"FEHLT"_s)));
}

} // namespace
