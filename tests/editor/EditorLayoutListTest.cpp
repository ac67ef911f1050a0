// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorFileFixture.h"

#include "editor/LayoutListMode.h"
#include "platform/CheckBox.h"
#include "platform/Palette.h"

using namespace Qt::StringLiterals;

namespace {

using EditorLayoutList = EditorFileFixture;

const QColor yellow(255, 255, 0);
const QColor red(255, 0, 0);

enum Button { Drucken, Ablage };

// The list keeps the mode (its background) open or not.
struct ClicksCase
{
    const char *name;
    std::vector<Button> clicks;
    bool open;
    QColor background;
};

class LayoutListClicks : public EditorFileFixture, public ::testing::WithParamInterface<ClicksCase>
{ };

TEST_P(LayoutListClicks, OpenInTheModeOfTheFirstButtonAndCloseByEither)
{
    for (Button button : GetParam().clicks)
        click(button == Drucken ? editor().printLayoutButton : editor().copyLayoutButton);
    const ListBox &list = *editor().layoutList;
    EXPECT_EQ(list.isVisible(), GetParam().open);
    const QColor background = GetParam().background;
    EXPECT_EQ(list.palette().color(QPalette::Base), background);
    EXPECT_EQ(list.palette().color(QPalette::Text), background == yellow ? red : yellow);
}

INSTANTIATE_TEST_SUITE_P(
        Buttons, LayoutListClicks,
        ::testing::Values(
                ClicksCase{"Drucken", {Drucken}, true, yellow},
                ClicksCase{"Ablage", {Ablage}, true, red},
                ClicksCase{"DruckenThenAblageCloses", {Drucken, Ablage}, false, yellow},
                ClicksCase{"AblageThenDruckenCloses", {Ablage, Drucken}, false, red},
                ClicksCase{"ClosedByAblageReopensForCopying", {Drucken, Ablage, Ablage}, true, red},
                ClicksCase{"ClosedByDruckenReopensForPrinting",
                           {Ablage, Drucken, Drucken},
                           true,
                           yellow}),
        [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorLayoutList, EveryActivationRefillsTheFiveLayoutsWithoutASelection)
{
    const QStringList layoutNames{u"Nur die Fragen"_s, u"Nur die Antworten"_s,
                                  u"Fragen-Antworten-Paare"_s, u"Fragen-Antworten-Block"_s,
                                  u"Fragen mit Antwortzeile"_s};
    ListBox &list = *editor().layoutList;
    EXPECT_EQ(list.texts(), layoutNames);
    list.setListIndex(3);
    list.addText(u"übrig"_s);

    main().show();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    openEditor();

    EXPECT_EQ(list.texts(), layoutNames);
    EXPECT_EQ(list.listIndex(), -1);
}

// A double-click reads the mode back from the colour: any background but red prints.
TEST_F(EditorLayoutList, AnyBackgroundButRedPrints)
{
    ListBox &list = *editor().layoutList;
    setLayoutListMode(list, OutputMode::Copy);
    EXPECT_EQ(layoutListMode(list), OutputMode::Copy);
    QPalette white = list.palette();
    white.setColor(QPalette::Base, qbColor(15));
    list.setPalette(white);
    EXPECT_EQ(layoutListMode(list), OutputMode::Print);
}

// The main window's print lock does not apply here.
TEST_F(EditorLayoutList, ADoubleClickPutsOutThatLayoutInTheListsModeAndClosesTheList)
{
    setCatalogue({u"Frage 1"_s, u"Frage 2"_s}, {u"Antwort 1"_s, u"Antwort 2"_s});
    editor().allowPrinting->setValue(0);
    click(editor().printLayoutButton);
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    doubleClickRow(*editor().layoutList, 4);
    EXPECT_FALSE(editor().layoutList->isVisible());
    const RecordingPrinter::Line underscores{QString(60, u'_'), 6, u"Arial"_s, 16};
    const RecordingPrinter::Line spacer{u" "_s, 0, u"Arial"_s, 16};
    EXPECT_EQ(printer.jobs,
              (QList<RecordingPrinter::Job>{{{u"Frage 1"_s, 6, u"Arial"_s, 16},
                                             underscores,
                                             spacer,
                                             {u"Frage 2"_s, 6, u"Arial"_s, 16},
                                             underscores,
                                             spacer}}));
    EXPECT_TRUE(clipboard.calls.isEmpty());

    click(editor().copyLayoutButton);
    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    doubleClickRow(*editor().layoutList, 3);
    EXPECT_FALSE(editor().layoutList->isVisible());
    EXPECT_EQ(clipboard.calls,
              (QStringList{u"clear"_s,
                           u"set:Frage 1\r\nFrage 2\r\n\r\nAntwort 1\r\nAntwort 2\r\n"_s}));
    EXPECT_EQ(printer.jobs.size(), 1);
}

} // namespace
