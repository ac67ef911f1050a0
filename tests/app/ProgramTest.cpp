// SPDX-License-Identifier: GPL-3.0-or-later
// The program's three windows: what the one-shot start-up timer makes of the working folder,
// and what a screen reader finds.
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"
#include "catalogue/SettingsFile.h"

#include <QAccessible>

namespace {

// `files` go into the working folder before the start ("<fifo>" makes one). Afterwards the
// editor's three controls hold `settings`, a load of the default catalogue reports
// `loadedPairs`, and the catalogue starts with `question`, from `loadedFile`.
struct StartupCase
{
    const char *name;
    std::vector<std::pair<QString, QByteArray>> files;
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

// No wait and no box where a file is no regular file.
TEST_P(StartupSettings, SetTheEditorsControlsAndLoadTheDefaultCatalogue)
{
    const StartupCase &c = GetParam();
    control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(2); // the file or the defaults replace it
    if (c.loadedPairs > 0)
        expectCountMessage(c.loadedPairs, c.settings.defaultCatalogue.toUpper());
    runStartupTimer();
    QTest::qWait(150); // the timer has stopped: no second reading, no second load
    EXPECT_EQ(program->settings().settings(), c.settings);
    EXPECT_EQ(label(u"Bezeichnung10"_s)->isVisible(), c.settings.defaultCatalogue.isEmpty());
    EXPECT_EQ(catalogueQuestions().value(0), c.question);
    EXPECT_EQ(program->quizFilePanel().selectedName(), c.loadedFile);
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

// Walks the accessibility tree as an assistive tool does, hidden parts included, and counts the
// controls a user operates or the keyboard reaches, checking each: it has a name, and a sighted
// user's tooltip says the same. Qt on Linux gives a combo box's current text as its name; tools
// then name it by the label pointing at it.
int expectNamedControls(QAccessibleInterface &node)
{
    int controls = 0;
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface &child = *node.child(i);
        const QAccessible::Role role = child.role();
        if (!child.state().focusable
            && !QList{QAccessible::PushButton, QAccessible::CheckBox, QAccessible::List,
                      QAccessible::Tree, QAccessible::ComboBox}
                        .contains(role)) {
            controls += expectNamedControls(child);
            continue;
        }
        const auto labels = child.relations(QAccessible::Label);
        const QString name = role == QAccessible::ComboBox && !labels.isEmpty()
                ? labels.first().first->text(QAccessible::Name)
                : child.text(QAccessible::Name);
        const QString toolTip = child.object()->property("toolTip").toString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << child.object()->metaObject()->className();
        EXPECT_TRUE(toolTip.isEmpty() || toolTip == name) << name.toStdString();
        ++controls;
    }
    return controls;
}

using Windows = ProgramFixture;

// A misspelt icon name would leave a button blank, with nothing to click on.
TEST_F(Windows, EveryControlIsNamedAndShowsItsPicture)
{
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&main())), 19);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&editor())), 23);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&program->aboutBox())), 1);
    for (const PictureButton *button :
         main().findChildren<PictureButton *>() + editor().findChildren<PictureButton *>())
        EXPECT_FALSE(button->icon().pixmap(32).isNull()) << button->toolTip().toStdString();
}

} // namespace
