// SPDX-License-Identifier: GPL-3.0-or-later
// What the one-shot start-up timer makes of the working folder: the settings read, the default
// catalogue loaded, and no wait and no box where a file is no regular file.
#include "support/ProgramFixture.h"

#include "catalogue/HangGuard.h"
#include "catalogue/HostileBytes.h"
#include "catalogue/SettingsFile.h"
#include "platform/CheckBox.h"
#include "platform/FileListBox.h"

using namespace Qt::StringLiterals;

namespace {

// `files` go into the working folder before the start, then `special` makes what no file is.
// Afterwards the editor's three controls hold `settings`, each load of the default catalogue
// reports its count from `loads`, the catalogue is `questions` (none: the standard questions)
// and `loadedFile` is in the title and marked in the file list.
struct StartupCase
{
    const char *name;
    std::vector<std::pair<const char16_t *, QByteArray>> files;
    void (*special)(const QDir &work);
    Settings settings;
    std::vector<int> loads;
    QStringList questions;
    const char16_t *loadedFile;
};

class StartupSettings : public ProgramFixture, public ::testing::WithParamInterface<StartupCase>
{
protected:
    void prepareWorkDir() override
    {
        for (const auto &[name, bytes] : GetParam().files)
            writeWorkFile(QString::fromUtf16(name), bytes);
        if (GetParam().special)
            GetParam().special(QDir(workDir.path()));
    }
};

TEST_P(StartupSettings, SetTheEditorsControlsAndLoadTheDefaultCatalogue)
{
    const StartupCase &c = GetParam();
    // Whatever the controls held before, the file or the defaults replace it.
    editor().standardFileName->setText(u"ALT.TXT"_s);
    editor().allowPrinting->setValue(2);
    editor().hideDrives->setValue(0);
    for (int pairs : c.loads)
        expectCountMessage(pairs, c.settings.defaultCatalogue.toUpper());
    const HangGuard guard(std::string("starting with ") + c.name, std::chrono::seconds(20));

    runStartupTimer();
    QTest::qWait(150); // the timer has stopped: no second reading, no second load

    EXPECT_EQ(editor().standardFileName->text(), c.settings.defaultCatalogue);
    EXPECT_EQ(editor().allowPrinting->value(), c.settings.printPermission);
    EXPECT_EQ(editor().hideDrives->value(), c.settings.hideDrives);
    EXPECT_EQ(main().standardNotice->isVisible(), c.settings.defaultCatalogue.isEmpty());
    if (c.questions.isEmpty())
        EXPECT_EQ(catalogueQuestions().value(0), u"Wie viele Windstärken gibt es?"_s);
    else
        EXPECT_EQ(catalogueQuestions(), c.questions);
    const QString loaded = c.loadedFile ? QString::fromUtf16(c.loadedFile) : QString();
    EXPECT_EQ(main().fileList->text(main().fileList->listIndex()), loaded);
    EXPECT_EQ(main().windowTitle(),
              u"Z E L - M e r k b o l d"_s
                      + (loaded.isEmpty() ? QString() : u"  ( "_s + loaded + u" )"_s));
}

const char16_t *const ini = u"ZELMERK.INI";
const Settings defaults{};
const QByteArray wal = "Wal\r\nSäuger\r\n";

INSTANTIATE_TEST_SUITE_P(
        WorkingFolders, StartupSettings,
        ::testing::Values(
                StartupCase{"NoSettingsFile",
                            {{u"TIERE.TXT", wal}},
                            nullptr,
                            defaults,
                            {},
                            {},
                            nullptr},
                StartupCase{"Line4Holding3GivesAllDefaults",
                            {{ini, settingsBytes("TIERE.TXT", " 3 ", " 0 ")}, {u"TIERE.TXT", wal}},
                            nullptr,
                            defaults,
                            {},
                            {},
                            nullptr},
                StartupCase{"DefaultCatalogueFoundWhateverItsLetterCase",
                            {{ini, settingsBytes("TIERE.TXT", " 0 ", " 1 ")},
                             {u"tiere.txt", "Wal\r\nSäuger\r\nHai\r\nFisch\r\n"}},
                            nullptr,
                            {u"TIERE.TXT"_s, 0, 1},
                            {2},
                            {u"Wal"_s, u"Hai"_s},
                            u"tiere.txt"},
                StartupCase{"TwoNamesDifferingInCaseLoadInTurn",
                            {{ini, settingsBytes("Tiere.txt", " 0 ", " 1 ")},
                             {u"TIERE.TXT", wal},
                             {u"tiere.txt", "Hai\r\nFisch\r\nAal\r\nFisch\r\n"}},
                            nullptr,
                            {u"Tiere.txt"_s, 0, 1},
                            {1, 2},
                            {u"Hai"_s, u"Aal"_s},
                            u"tiere.txt"},
                StartupCase{"DefaultCatalogueMissingHidesTheNoticeOnly",
                            {{ini, settingsBytes("FEHLT.TXT", " 0 ", " 1 ")}, {u"TIERE.TXT", wal}},
                            nullptr,
                            {u"FEHLT.TXT"_s, 0, 1},
                            {},
                            {},
                            nullptr},
                StartupCase{"SettingsFileIsAFolder",
                            {},
                            [](const QDir &work) { ASSERT_TRUE(work.mkdir(u"ZELMERK.INI"_s)); },
                            defaults,
                            {},
                            {},
                            nullptr},
                StartupCase{"SettingsFileIsAFifo",
                            {},
                            [](const QDir &work) { makeFifo(work.filePath(u"ZELMERK.INI"_s)); },
                            defaults,
                            {},
                            {},
                            nullptr},
                StartupCase{"SettingsFileLinksToACharacterDevice",
                            {},
                            [](const QDir &work) {
                                makeLink(u"/dev/null"_s, work.filePath(u"ZELMERK.INI"_s));
                            },
                            defaults,
                            {},
                            {},
                            nullptr},
                StartupCase{"DefaultCatalogueIsAFifo",
                            {{ini, settingsBytes("ROHR.TXT", " 1 ", " 0 ")}},
                            [](const QDir &work) { makeFifo(work.filePath(u"ROHR.TXT"_s)); },
                            {u"ROHR.TXT"_s, 1, 0},
                            {},
                            {},
                            nullptr}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
