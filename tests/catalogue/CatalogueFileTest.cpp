// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue format: lines and records, the two encodings, whole-file reading, hostile
// contents, the example catalogues, and every write of the program meeting every disk fault.
#include "catalogue/CatalogueFile.h"
#include "catalogue/FileAccess.h"
#include "catalogue/SettingsFile.h"

#include "support/Files.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

namespace {

constexpr ReadOutcome complete = ReadOutcome::Complete;
constexpr ReadOutcome failed = ReadOutcome::Failed;

// `pairs`: question, answer, question, answer ...; `written`: writing the pairs gives the bytes.
struct FormatCase
{
    const char *name;
    QByteArray bytes;
    QStringList pairs;
    ReadOutcome outcome;
    bool written = false;
};

class CatalogueFormat : public testing::TestWithParam<FormatCase>
{ };

TEST_P(CatalogueFormat, ReadsThesePairsAndWritesThemSo)
{
    const CatalogueReadResult result = parseCatalogue(GetParam().bytes);
    Catalogue expected;
    for (qsizetype i = 0; i < GetParam().pairs.size(); ++i)
        (i % 2 ? expected.answers : expected.questions) << GetParam().pairs[i];
    EXPECT_EQ(result.pairs.questions, expected.questions);
    EXPECT_EQ(result.pairs.answers, expected.answers);
    EXPECT_EQ(result.outcome, GetParam().outcome);
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(GetParam().written ? serializeCatalogue(expected) : GetParam().bytes,
              GetParam().bytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LinesAndRecords, CatalogueFormat, testing::Values(
    FormatCase{"EmptyFile", "", {}, complete, true},
    FormatCase{"StrayEmptyLineShiftsLaterPairs", "Q1\r\nA1\r\n\r\nQ2\r\nA2\r\nQ3\r\n", {u"Q1"_s, u"A1"_s, u"A2"_s, u"Q3"_s}, complete},
    FormatCase{"OddLineCountKeepsPairsBefore", "Q1\r\nA1\r\nQ2\r\nA2\r\nQ3\r\n", {u"Q1"_s, u"A1"_s, u"Q2"_s, u"A2"_s}, failed},
    FormatCase{"OneTrailingEmptyLineFails", "Q1\r\nA1\r\n\r\n", {u"Q1"_s, u"A1"_s}, failed},
    FormatCase{"TwoTrailingEmptyLinesAreAnEmptyRecord", "Q1\r\nA1\r\n\r\n\r\n", {u"Q1"_s, u"A1"_s}, complete},
    FormatCase{"LfOnlyIsOneLine", "Q1\nA1\nQ2\nA2\n", {}, failed},
    FormatCase{"LoneCrEndsALine", "Q1\rA1\rQ2\rA2\r", {u"Q1"_s, u"A1"_s, u"Q2"_s, u"A2"_s}, complete},
    FormatCase{"LfInsideALineIsText", "Q\n1\r\nA\n1\r\n", {u"Q\n1"_s, u"A\n1"_s}, complete, true},
    FormatCase{"CrBeforeCrLfIsAnEmptyLine", "Q1\r\r\nA1\r\n", {}, failed},
    FormatCase{"LastLineWithoutLineEnd", "Q1\r\nA1", {u"Q1"_s, u"A1"_s}, complete},
    FormatCase{"RecordWithAnEmptyHalfIsSkipped", "Q1\r\n\r\n\r\nA2\r\nQ3\r\nA3\r\n", {u"Q3"_s, u"A3"_s}, complete},
    FormatCase{"NulBytesAreCharacters", QByteArray("Fr\0age\r\n\0\r\n", 11), {u"Fr\u0000age"_s, u"\u0000"_s}, complete}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Encodings, CatalogueFormat, testing::Values(
    FormatCase{"Windows1252Umlauts", "K\xE4se\r\nStra\xDF" "e\r\n", {u"Käse"_s, u"Straße"_s}, complete},
    FormatCase{"Utf8WithoutBom", "K\xC3\xA4se\r\nStra\xC3\x9F" "e\r\n", {u"Käse"_s, u"Straße"_s}, complete},
    FormatCase{"Utf8BomAloneIsAnEmptyFile", "\xEF\xBB\xBF", {}, complete},
    FormatCase{"Utf8WithBom", "\xEF\xBB\xBF\xC5\x81\xC3\xB3" "d\xC5\xBA\r\nStadt\r\n", {u"Łódź"_s, u"Stadt"_s}, complete},
    FormatCase{"OneInvalidSequenceMakesItWindows1252", "\xC3\xA4\r\n\xE4\r\n", {u"Ã¤"_s, u"ä"_s}, complete},
    FormatCase{"EncodedSurrogateIsWindows1252", "\xED\xA0\x80\r\nx\r\n", {u"í\u00A0€"_s, u"x"_s}, complete}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// In Windows-1252 the last two would be valid UTF-8, or start like a byte-order mark.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Writing, CatalogueFormat, testing::Values(
    FormatCase{"Windows1252", "Gr\xFC\xDF" "e aus \xD6sterreich\r\n\x84" "5 \x80\x93\r\n", {u"Grüße aus Österreich"_s, u"„5 €“"_s}, complete, true},
    FormatCase{"BlanksCommasAndQuotesUnchanged", " a, \"b\" \r\n\tc\r\n", {u" a, \"b\" "_s, u"\tc"_s}, complete, true},
    FormatCase{"Utf8WithBomWhenACharacterDoesNotFit", "\xEF\xBB\xBFStadt\r\n\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n", {u"Stadt"_s, u"Łódź"_s}, complete, true},
    FormatCase{"Utf8WhenWindows1252WouldReadAsUtf8", "\xEF\xBB\xBF\xC3\x83\xC2\xA4\r\nx\r\n", {u"Ã¤"_s, u"x"_s}, complete, true},
    FormatCase{"Utf8WhenWindows1252WouldStartLikeABom", "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx\r\ny\r\n", {u"\u00EF\u00BB\u00BFx"_s, u"y"_s}, complete, true}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

// Within one catalogue no text appears twice: every offered answer fits exactly one question.
TEST(CatalogueFile, TheExampleCataloguesReadCompletelyWithoutRepeatsAndWriteBackByteForByte)
{
    const QDir examples(QStringLiteral(MERKBOLD_SOURCE_DIR "/examples"));
    ASSERT_EQ(examples.entryList({u"*.TXT"_s}).size(), 5);
    for (const QString &name : examples.entryList({u"*.TXT"_s})) {
        const CatalogueReadResult read = readCatalogueFile(examples.filePath(name));
        EXPECT_EQ(read.outcome, complete) << name.toStdString();
        for (const QStringList &texts : {read.pairs.questions, read.pairs.answers})
            EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
        EXPECT_EQ(serializeCatalogue(read.pairs), fileBytes(examples.filePath(name)));
    }
}

// A file of exactly the limit is read, one byte more is not, nor a file in /proc, which reports
// a size of 0 whatever it holds: /proc/self/pagemap holds 256 GiB, which a reader that did not
// stop at its limit would try to take into memory. A catalogue is written only as far as it can
// be read again: one character beyond Windows-1252 makes the whole file UTF-8, a byte more than
// the limit here.
TEST(CatalogueFile, TheSizeLimitIsExactForReadingAndWritingAndHoldsForHiddenSizes)
{
    QTemporaryDir dir;
    putFile(dir.filePath(u"zehn"_s), "0123456789");
    EXPECT_EQ(readWholeFile(dir.filePath(u"zehn"_s), 10).bytes, QByteArray("0123456789"));
    EXPECT_EQ(readWholeFile(dir.filePath(u"zehn"_s), 9).status, WholeFileRead::Status::TooLarge);
    const QString hidden = dir.filePath(u"X.TXT"_s);
    ASSERT_TRUE(QFile::link(u"/proc/self/pagemap"_s, hidden));
    ASSERT_EQ(QFileInfo(hidden).size(), 0);
    const CatalogueReadResult read = readCatalogueFile(hidden);
    EXPECT_EQ(
            read.error,
            u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 14 MiB)."_s.arg(hidden));
    EXPECT_TRUE(read.pairs.questions.isEmpty());
    // The byte-order mark, two CR LF and the seven bytes of "Łódź" in UTF-8.
    const QString largest(maxCatalogueBytes - 3 - 4 - 7, u'x');
    const QString file = dir.filePath(u"GROSS.TXT"_s);
    EXPECT_TRUE(writeCatalogueFile(file, {{largest}, {u"Łódź"_s}}).ok);
    EXPECT_EQ(readCatalogueFile(file).pairs.answers, QStringList{u"Łódź"_s});
    const WriteResult refused = writeCatalogueFile(file, {{largest + u'x'}, {u"Łódź"_s}});
    EXPECT_EQ(
            refused.error,
            u"Die Datei „%1“ würde größer als 14 MiB; so große Fragenkataloge kann das Programm nicht laden."_s
                    .arg(file));
    EXPECT_EQ(QFileInfo(file).size(), maxCatalogueBytes);
}

// Every file and folder below a folder, each file with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        entries.insert(entry.filePath(), entry.isDir() ? "<Ordner>" : fileBytes(entry.filePath()));
    }
    return entries;
}

// Each of the program's writes meets each fault: the old file stays byte for byte, nothing else
// appears, and the failure comes back with its German reason. The large catalogue passes
// QSaveFile's 16 KiB buffer, the small one stays in it until flushed. In a fault, "{dir}" stands
// for the test's folder, "{file}" for the writer's file name.
TEST(CatalogueFile, EveryWriteKeepsTheOldFileAndReportsADiskFault)
{
    using Write = WriteResult (*)(const QString &path);
    // clang-format off
    const std::pair<QString, Write> writers[] = {
        {u"TIERE.TXT"_s, [](const QString &path) { return writeCatalogueFile(path, {numbered(u"Frage über Größen "_s, 1, 2000), numbered(u"Antwort "_s, 1, 2000)}); }},
        {u"TIERE.TXT"_s, [](const QString &path) { return writeCatalogueFile(path, {numbered(u"Frage über Größen "_s, 1, 3), numbered(u"Antwort "_s, 1, 3)}); }},
        {u"ZELMERK.INI"_s, [](const QString &path) { return writeSettingsFile(path, {u"TIERE.TXT"_s, 1, 0}); }}};
    const QString overLongName = QString(252, u'K') + u".TXT"_s; // one byte over the 255 allowed
    const std::tuple<QString, QString, bool> faults[] = {
        {u"{dir}/{file}"_s, u"Die Datei „{dir}/{file}“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s, true},
        {u"{dir}/ORDNER"_s, u"„{dir}/ORDNER“ ist ein Ordner und keine Datei."_s, false},
        {u"{dir}/FEHLT/{file}"_s, u"Den Ordner „{dir}/FEHLT“ gibt es nicht."_s, false},
        {u"{dir}/"_s + overLongName, u"Der Dateiname „"_s + overLongName + u"“ ist zu lang."_s, false}};
    // clang-format on
    for (const std::pair<QString, Write> &writer : writers) {
        for (const auto &[target, reason, fullDisk] : faults) {
            SCOPED_TRACE((writer.first + u' ' + target).toStdString());
            QTemporaryDir dir;
            const auto fill = [&](QString text) {
                return text.replace(u"{dir}"_s, dir.path()).replace(u"{file}"_s, writer.first);
            };
            putFile(fill(u"{dir}/{file}"_s), "alte Frage\r\nalte Antwort\r\n");
            ASSERT_TRUE(QDir(dir.path()).mkpath(u"ORDNER/BLEIBT"_s));
            const QMap<QString, QByteArray> expected = snapshot(dir.path());
            const QString path = fill(target);
            WriteResult written;
            onAFullDisk([&] { written = writer.second(path); }, fullDisk);
            EXPECT_FALSE(written.ok);
            EXPECT_EQ(written.error, fill(reason));
            EXPECT_EQ(snapshot(dir.path()), expected) << "a file appeared, went or changed";
        }
    }
}

} // namespace
