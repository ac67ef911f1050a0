// Files nobody meant as a catalogue, met in the main window's file browser and at start-up:
// nothing blocks, nothing crashes, and a file that cannot be read says why.
#include "support/ProgramFixture.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/HangGuard.h"
#include "catalogue/HostileBytes.h"
#include "catalogue/SpecialFiles.h"
#include "platform/DirListBox.h"
#include "platform/FileListBox.h"

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

const QString plainTitle = u"Z E L - M e r k b o l d"_s;

QString countMessage(qsizetype pairs)
{
    return u"Datensätze dieser Datei:   %1\rProgrammvoreinstellung:   10\r"_s.arg(pairs);
}

// The catalogue files lie in a folder of their own, shown in the browser's lists.
class HostileBrowsing : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogues.isValid());
        ProgramFixture::SetUp();
        runStartupTimer();
    }

    QString put(const QString &name, const QByteArray &bytes)
    {
        const QString path = catalogues.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    // The folder list goes to the catalogues, and the file list follows it.
    void showCatalogues() { main().Verzeichnis1->setPath(catalogues.path()); }

    // Selecting a file in the main window's file list loads it.
    void select(const QString &name)
    {
        const int row = int(main().Datei1->texts().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        main().Datei1->setListIndex(row);
    }

    void expectCatalogue(const Catalogue &pairs)
    {
        EXPECT_EQ(catalogueQuestions(), pairs.questions);
        EXPECT_EQ(catalogueAnswers(), pairs.answers);
        EXPECT_EQ(choices().size(), std::min<qsizetype>(pairs.answers.size(), 10));
        EXPECT_EQ(question(), pairs.questions.value(0));
    }

    QTemporaryDir catalogues;
};

TEST_F(HostileBrowsing, OnlyWhatLeadsToARegularFileIsOffered)
{
    put(u"GUT.TXT"_s, "Frage\r\nAntwort\r\n");
    makeLink(catalogues.filePath(u"GUT.TXT"_s), catalogues.filePath(u"ZEIGER.TXT"_s));
    makeFifo(catalogues.filePath(u"ROHR.TXT"_s));
    makeLink(catalogues.filePath(u"ROHR.TXT"_s), catalogues.filePath(u"ROHRLINK.TXT"_s));
    makeLink(u"/dev/null"_s, catalogues.filePath(u"NULL.TXT"_s));
    makeLink(catalogues.filePath(u"weg"_s), catalogues.filePath(u"WEG.TXT"_s));
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"ORDNER.TXT"_s));
    const HangGuard guard("listing a folder with a FIFO", std::chrono::seconds(20));

    showCatalogues();

    EXPECT_EQ(main().Datei1->texts(), QStringList({u"GUT.TXT"_s, u"ZEIGER.TXT"_s}));
    EXPECT_EQ(catalogueQuestions().size(), 10); // nothing was loaded
}

// A file listed as a catalogue that has become something else by the time it is selected.
struct ReplacementCase
{
    std::string name;
    void (*replace)(const QString &path);
    const char16_t *reason; // %1 stands for the path
};

void PrintTo(const ReplacementCase &row, std::ostream *out)
{
    *out << row.name;
}

class ReplacedAfterListing : public HostileBrowsing, public testing::WithParamInterface<ReplacementCase>
{
};

TEST_P(ReplacedAfterListing, SaysWhyAndLeavesAnEmptyCatalogue)
{
    const QString path = put(u"KATALOG.TXT"_s, "Frage\r\nAntwort\r\n");
    showCatalogues();
    ASSERT_TRUE(QFile::remove(path));
    GetParam().replace(path);
    ASSERT_FALSE(HasFatalFailure());
    dialogs.expectMessage(QString::fromUtf16(GetParam().reason).arg(path) + u'\r', u"Dateifehler"_s);
    dialogs.expectMessage(countMessage(0), u"KATALOG.TXT"_s);
    const HangGuard guard("loading " + GetParam().name, std::chrono::seconds(20));

    select(u"KATALOG.TXT"_s);

    expectCatalogue({});
    EXPECT_EQ(main().windowTitle(), plainTitle);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReplacedAfterListing,
    testing::Values(
        ReplacementCase{"ByAFifo", [](const QString &path) { makeFifo(path); },
                        u"„%1“ ist keine gewöhnliche Datei."},
        ReplacementCase{"ByALinkToAFifo",
                        [](const QString &path) {
                            makeFifo(path + u".rohr"_s);
                            makeLink(path + u".rohr"_s, path);
                        },
                        u"„%1“ ist keine gewöhnliche Datei."},
        ReplacementCase{"ByALinkToACharacterDevice",
                        [](const QString &path) { makeLink(u"/dev/null"_s, path); },
                        u"„%1“ ist keine gewöhnliche Datei."},
        ReplacementCase{"ByAFileOver256MiB",
                        [](const QString &path) {
                            QFile file(path);
                            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                            ASSERT_TRUE(file.resize(qint64(256) * 1024 * 1024 + 1)); // sparse
                        },
                        u"Die Datei „%1“ ist zu groß für einen Fragenkatalog (mehr als 256 MiB)."}),
    [](const testing::TestParamInfo<ReplacementCase> &info) { return info.param.name; });

TEST_F(HostileBrowsing, AFileReplacedByAnotherCatalogueLoadsWhatIsThereNow)
{
    const QString path = put(u"KATALOG.TXT"_s, "alt\r\nalt\r\n");
    showCatalogues();
    put(u"KATALOG.TXT"_s, "neu\r\nNeu\r\nzwei\r\nZwei\r\n");
    dialogs.expectMessage(countMessage(2), u"KATALOG.TXT"_s);

    select(u"KATALOG.TXT"_s);

    expectCatalogue({{u"neu"_s, u"zwei"_s}, {u"Neu"_s, u"Zwei"_s}});
    EXPECT_EQ(main().windowTitle(), plainTitle + u"  ( KATALOG.TXT )"_s);
}

// Contents no catalogue should have: the browser shows what the reader makes of them, no more,
// no less, and the count says how many pairs that was.
struct ContentCase
{
    std::string name;
    QByteArray (*bytes)();
};

void PrintTo(const ContentCase &row, std::ostream *out)
{
    *out << row.name;
}

class HostileContent : public HostileBrowsing, public testing::WithParamInterface<ContentCase>
{
};

TEST_P(HostileContent, LoadsWhatTheReaderAccepts)
{
    const QByteArray bytes = GetParam().bytes();
    put(u"FEIND.TXT"_s, bytes);
    const CatalogueReadResult expected = parseCatalogue(bytes);
    ASSERT_EQ(expected.error, QString());
    showCatalogues();
    dialogs.expectMessage(countMessage(expected.pairs.questions.size()), u"FEIND.TXT"_s);

    select(u"FEIND.TXT"_s);

    expectCatalogue(expected.pairs);
    EXPECT_EQ(main().windowTitle(), expected.outcome == ReadOutcome::Complete
                                        ? plainTitle + u"  ( FEIND.TXT )"_s
                                        : plainTitle);
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileContent,
    testing::Values(
        ContentCase{"ALineOf50MB", [] { return HostileBytes::hugeLine(); }},
        ContentCase{"RandomBytes", [] { return HostileBytes::random(4711, 64 * 1024); }},
        ContentCase{"RandomBytesWithAByteOrderMark",
                    [] { return "\xEF\xBB\xBF" + HostileBytes::random(815, 64 * 1024); }}),
    [](const testing::TestParamInfo<ContentCase> &info) { return info.param.name; });

TEST_F(HostileBrowsing, NulBytesReachTheDisplayUnchanged)
{
    put(u"NUL.TXT"_s, HostileBytes::of("Fr\0age\r\n\0Antwort\r\n"));
    showCatalogues();
    dialogs.expectMessage(countMessage(1), u"NUL.TXT"_s);
    select(u"NUL.TXT"_s);
    EXPECT_EQ(question(), u"Fr\u0000age"_s);
    EXPECT_EQ(choices(), QStringList{u"\u0000Antwort"_s});
}

} // namespace
