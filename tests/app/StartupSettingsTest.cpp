// SPDX-License-Identifier: GPL-3.0-or-later
// What the one-shot start-up timer makes of the working folder: the settings read, the default
// catalogue loaded, and no wait and no box where a file is no regular file.
#include "support/ProgramFixture.h"

#include "catalogue/SettingsFile.h"

namespace {

// `files` go into the working folder before the start, then `special` makes what no file is.
// Afterwards the editor's three controls hold `settings`, each load of the default catalogue
// reports its count from `loads`, and the catalogue starts with `question`, from `loadedFile`.
struct StartupCase
{
    const char *name;
    std::vector<std::pair<QString, QByteArray>> files;
    void (*special)(const QDir &work);
    Settings settings;
    std::vector<int> loads;
    QString question, loadedFile;
};

class StartupSettings : public ProgramFixture, public ::testing::WithParamInterface<StartupCase>
{
protected:
    void prepareWorkDir() override
    {
        for (const auto &[name, bytes] : GetParam().files)
            putFile(workDir.filePath(name), bytes);
        if (GetParam().special)
            GetParam().special(QDir(workDir.path()));
    }
};

TEST_P(StartupSettings, SetTheEditorsControlsAndLoadTheDefaultCatalogue)
{
    const StartupCase &c = GetParam();
    editor().allowPrinting->setValue(2); // the file or the defaults replace it
    for (int pairs : c.loads)
        expectCountMessage(pairs, c.settings.defaultCatalogue.toUpper());

    runStartupTimer();
    QTest::qWait(150); // the timer has stopped: no second reading, no second load

    EXPECT_TRUE((Settings{editor().standardFileName->text(), editor().allowPrinting->value(),
                          editor().hideDrives->value()}
                 == c.settings));
    EXPECT_EQ(main().standardNotice->isVisible(), c.settings.defaultCatalogue.isEmpty());
    EXPECT_EQ(catalogueQuestions().value(0), c.question);
    EXPECT_EQ(main().fileList->text(main().fileList->listIndex()), c.loadedFile);
    EXPECT_EQ(main().windowTitle(),
              u"Z E L - M e r k b o l d"_s
                      + (c.loadedFile.isEmpty() ? QString() : u"  ( "_s + c.loadedFile + u" )"_s));
}

const QString ini = u"ZELMERK.INI"_s;
const QString standard = u"Wie viele Windstärken gibt es?"_s;
const QByteArray wal = "Wal\r\nS\xE4uger\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkingFolders, StartupSettings, ::testing::Values(
    StartupCase{"NoSettingsFile", {{u"TIERE.TXT"_s, wal}}, nullptr, {}, {}, standard, {}},
    StartupCase{"DefaultCatalogueFoundWhateverItsLetterCase", {{ini, settingsBytes("TIERE.TXT", " 1 ", " 0 ")}, {u"tiere.txt"_s, wal}}, nullptr,
                {u"TIERE.TXT"_s, 1, 0}, {1}, u"Wal"_s, u"tiere.txt"_s},
    StartupCase{"TwoNamesDifferingInCaseLoadInTurn", {{ini, settingsBytes("Tiere.txt", " 0 ", " 1 ")}, {u"TIERE.TXT"_s, wal}, {u"tiere.txt"_s, "Hai\r\nFisch\r\nAal\r\nFisch\r\n"}}, nullptr,
                {u"Tiere.txt"_s, 0, 1}, {1, 2}, u"Hai"_s, u"tiere.txt"_s},
    StartupCase{"DefaultCatalogueMissingHidesTheNoticeOnly", {{ini, settingsBytes("FEHLT.TXT", " 0 ", " 1 ")}}, nullptr, {u"FEHLT.TXT"_s, 0, 1}, {}, standard, {}},
    StartupCase{"SettingsFileIsAFolder", {}, [](const QDir &work) { ASSERT_TRUE(work.mkdir(u"ZELMERK.INI"_s)); }, {}, {}, standard, {}},
    StartupCase{"SettingsFileIsAFifo", {}, [](const QDir &work) { makeFifo(work.filePath(u"ZELMERK.INI"_s)); }, {}, {}, standard, {}},
    StartupCase{"DefaultCatalogueIsAFifo", {{ini, settingsBytes("ROHR.TXT", " 1 ", " 0 ")}}, [](const QDir &work) { makeFifo(work.filePath(u"ROHR.TXT"_s)); },
                {u"ROHR.TXT"_s, 1, 0}, {}, standard, {}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
