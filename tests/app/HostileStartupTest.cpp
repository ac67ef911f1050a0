// A working folder whose settings file or default catalogue is no regular file: the program
// starts all the same, without waiting on a FIFO and without a message.
#include "support/ProgramFixture.h"

#include "catalogue/HangGuard.h"
#include "catalogue/HostileBytes.h"
#include "catalogue/SpecialFiles.h"
#include "platform/CheckBox.h"
#include "platform/FileListBox.h"

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

const QByteArray settingsNamingRohr = "[Datei]\r\nROHR.TXT\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 0 \r\n";

struct StartupCase
{
    std::string name;
    void (*prepare)(const QDir &work);
    // What the editor's three settings controls hold afterwards.
    const char16_t *defaultCatalogue;
    int printPermission;
    int hideDrives;
};

void PrintTo(const StartupCase &row, std::ostream *out)
{
    *out << row.name;
}

void put(const QDir &work, const QString &name, const QByteArray &bytes)
{
    QFile file(work.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class HostileStartup : public ProgramFixture, public testing::WithParamInterface<StartupCase>
{
protected:
    void prepareWorkDir() override { GetParam().prepare(QDir(workDir.path())); }
};

TEST_P(HostileStartup, KeepsTheStandardQuestionsAndShowsNoBox)
{
    const HangGuard guard("starting with " + GetParam().name, std::chrono::seconds(20));
    runStartupTimer();

    const QString defaultCatalogue = QString::fromUtf16(GetParam().defaultCatalogue);
    EXPECT_EQ(editor().Bezeichnung4->text(), defaultCatalogue);
    EXPECT_EQ(editor().Kontroll1->value(), GetParam().printPermission);
    EXPECT_EQ(editor().Kontroll2->value(), GetParam().hideDrives);
    EXPECT_EQ(main().Bezeichnung10->isVisible(), defaultCatalogue.isEmpty());
    EXPECT_EQ(catalogueQuestions().size(), 10);
    EXPECT_EQ(main().Datei1->listIndex(), -1);
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d"_s);
}

INSTANTIATE_TEST_SUITE_P(
    WorkingFolders, HostileStartup,
    testing::Values(
        StartupCase{"SettingsFileIsAFifo",
                    [](const QDir &work) { makeFifo(work.filePath(u"ZELMERK.INI"_s)); }, u"", 0, 1},
        StartupCase{"SettingsFileLinksToACharacterDevice",
                    [](const QDir &work) { makeLink(u"/dev/null"_s, work.filePath(u"ZELMERK.INI"_s)); },
                    u"", 0, 1},
        StartupCase{"SettingsFileIsRandomBytes",
                    [](const QDir &work) {
                        put(work, u"ZELMERK.INI"_s, HostileBytes::random(12, 4096));
                    },
                    u"", 0, 1},
        StartupCase{"DefaultCatalogueIsAFifo",
                    [](const QDir &work) {
                        put(work, u"ZELMERK.INI"_s, settingsNamingRohr);
                        makeFifo(work.filePath(u"ROHR.TXT"_s));
                    },
                    u"ROHR.TXT", 1, 0},
        StartupCase{"DefaultCatalogueLinksToAFifo",
                    [](const QDir &work) {
                        put(work, u"ZELMERK.INI"_s, settingsNamingRohr);
                        makeFifo(work.filePath(u"rohr"_s));
                        makeLink(work.filePath(u"rohr"_s), work.filePath(u"ROHR.TXT"_s));
                    },
                    u"ROHR.TXT", 1, 0}),
    [](const testing::TestParamInfo<StartupCase> &info) { return info.param.name; });

} // namespace
