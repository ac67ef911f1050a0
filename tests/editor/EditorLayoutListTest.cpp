#include "EditorFileFixture.h"

using namespace Qt::StringLiterals;

namespace {

using EditorLayoutList = EditorFileFixture;

const QStringList layoutNames{u"Nur die Fragen"_s, u"Nur die Antworten"_s, u"Fragen-Antworten-Paare"_s,
                              u"Fragen-Antworten-Block"_s, u"Fragen mit Antwortzeile"_s};

const QColor yellow(255, 255, 0);
const QColor red(255, 0, 0);

enum Button { Drucken, Ablage };

struct ClicksCase
{
    const char *name;
    std::vector<Button> clicks;
    bool open;
    QColor background; // the mode the list keeps, open or not
};

void PrintTo(const ClicksCase &entry, std::ostream *out)
{
    *out << entry.name;
}

class LayoutListClicks : public EditorFileFixture, public ::testing::WithParamInterface<ClicksCase>
{
};

TEST_P(LayoutListClicks, OpenInTheModeOfTheFirstButtonAndCloseByEither)
{
    for (Button button : GetParam().clicks)
        click(button == Drucken ? editor().Bild5 : editor().Bild9);
    const ListBox &list = *editor().Liste3;
    EXPECT_EQ(list.isVisible(), GetParam().open);
    const QColor background = GetParam().background;
    EXPECT_EQ(list.palette().color(QPalette::Base), background);
    EXPECT_EQ(list.palette().color(QPalette::Text), background == yellow ? red : yellow);
}

INSTANTIATE_TEST_SUITE_P(Buttons, LayoutListClicks, ::testing::Values(
    ClicksCase{"Drucken", {Drucken}, true, yellow},
    ClicksCase{"Ablage", {Ablage}, true, red},
    ClicksCase{"DruckenThenAblageCloses", {Drucken, Ablage}, false, yellow},
    ClicksCase{"AblageThenDruckenCloses", {Ablage, Drucken}, false, red},
    ClicksCase{"ClosedByAblageReopensForCopying", {Drucken, Ablage, Ablage}, true, red},
    ClicksCase{"ClosedByDruckenReopensForPrinting", {Ablage, Drucken, Drucken}, true, yellow}),
    [](const ::testing::TestParamInfo<ClicksCase> &info) { return std::string(info.param.name); });

TEST_F(EditorLayoutList, EveryActivationRefillsTheFiveLayoutsWithoutASelection)
{
    ListBox &list = *editor().Liste3;
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

TEST_F(EditorLayoutList, TheListIsWrittenInBoldNineAndThreeQuarterPoints)
{
    const QFont font = editor().Liste3->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold());
}

} // namespace
