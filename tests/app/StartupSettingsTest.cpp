// SPDX-License-Identifier: GPL-3.0-or-later
// What the one-shot start-up timer makes of the working folder: the settings read, the default
// catalogue loaded, and no wait and no box where a file is no regular file.
#include "support/ProgramFixture.h"

#include "catalogue/SettingsFile.h"

namespace {

// `files` go into the working folder before the start. Afterwards the editor's three controls
// hold `settings`, a load of the default catalogue reports `loadedPairs`, and the catalogue
// starts with `question`, from `loadedFile`.
struct StartupCase
{
    const char *name;
    std::vector<std::pair<QString, QByteArray>> files; // "<fifo>" makes one
    Settings settings;
    int loadedPairs;
    QString question, loadedFile;
};

class StartupSettings : public ProgramFixture, public ::testing::WithParamInterface<StartupCase>
{
protected:
    void prepareWorkDir() override
    {
        for (const auto &[name, bytes] : GetParam().files)
            bytes == "<fifo>" ? makeFifo(workDir.filePath(name))
                              : putFile(workDir.filePath(name), bytes);
    }
};

TEST_P(StartupSettings, SetTheEditorsControlsAndLoadTheDefaultCatalogue)
{
    const StartupCase &c = GetParam();
    control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(2); // the file or the defaults replace it
    if (c.loadedPairs > 0)
        expectCountMessage(c.loadedPairs, c.settings.defaultCatalogue.toUpper());

    runStartupTimer();
    QTest::qWait(150); // the timer has stopped: no second reading, no second load

    EXPECT_TRUE((Settings{control<QLabel>(editor(), u"Bezeichnung4"_s)->text(),
                          control<CheckBox>(editor(), u"Kontroll1"_s)->value(),
                          control<CheckBox>(editor(), u"Kontroll2"_s)->value()}
                 == c.settings));
    EXPECT_EQ(control<QLabel>(main(), u"Bezeichnung10"_s)->isVisible(),
              c.settings.defaultCatalogue.isEmpty());
    EXPECT_EQ(catalogueQuestions().value(0), c.question);
    EXPECT_EQ(control<FileListBox>(main(), u"Datei1"_s)
                      ->text(control<FileListBox>(main(), u"Datei1"_s)->currentRow()),
              c.loadedFile);
    EXPECT_EQ(main().windowTitle(),
              c.loadedFile.isEmpty() ? u"Z E L - M e r k b o l d"_s
                                     : u"Z E L - M e r k b o l d  ( tiere.txt )"_s);
}

const QString ini = u"ZELMERK.INI"_s;
const QString standard = u"Wie viele Windstärken gibt es?"_s;
const QByteArray wal = "Wal\r\nS\xE4uger\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkingFolders, StartupSettings, ::testing::Values(
    StartupCase{"NoSettingsFile", {{u"TIERE.TXT"_s, wal}}, {}, 0, standard, {}},
    StartupCase{"DefaultCatalogueFoundWhateverItsLetterCase", {{ini, settingsBytes("TIERE.TXT", " 1 ", " 0 ")}, {u"tiere.txt"_s, wal}},
                {u"TIERE.TXT"_s, 1, 0}, 1, u"Wal"_s, u"tiere.txt"_s},
    StartupCase{"DefaultCatalogueMissingHidesTheNoticeOnly", {{ini, settingsBytes("FEHLT.TXT", " 0 ", " 1 ")}}, {u"FEHLT.TXT"_s, 0, 1}, 0, standard, {}},
    StartupCase{"SettingsFileIsAFifo", {{ini, "<fifo>"}}, {}, 0, standard, {}},
    StartupCase{"DefaultCatalogueIsAFifo", {{ini, settingsBytes("ROHR.TXT", " 1 ", " 0 ")}, {u"ROHR.TXT"_s, "<fifo>"}}, {u"ROHR.TXT"_s, 1, 0}, 0, standard, {}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
