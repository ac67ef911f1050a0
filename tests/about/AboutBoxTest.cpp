// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct PlacementCase
{
    const char *name;
    QSizeF screen, window;
    QPointF topLeft;
};

class AboutBoxPlacement : public ::testing::TestWithParam<PlacementCase>
{ };

TEST_P(AboutBoxPlacement, CentredAcrossAQuarterOfTheFreeHeightDown)
{
    const QPointF topLeft = aboutBoxTopLeft(GetParam().screen, GetParam().window);
    EXPECT_DOUBLE_EQ(topLeft.x(), GetParam().topLeft.x());
    EXPECT_DOUBLE_EQ(topLeft.y(), GetParam().topLeft.y());
}

INSTANTIATE_TEST_SUITE_P(
        InTwips, AboutBoxPlacement,
        ::testing::Values(
                PlacementCase{"SvgaScreen", {12000, 9000}, {3600, 3900}, {4200, 1275}},
                PlacementCase{"FractionsKept", {12015, 9015}, {3600, 3900}, {4207.5, 1278.75}},
                PlacementCase{"LargerThanTheScreen", {3000, 2000}, {3600, 3900}, {-300, -475}}),
        [](const auto &info) { return std::string(info.param.name); });

class AboutBoxWindow : public ProgramFixture
{
public:
    AboutBox &about() { return program->aboutBox(); }

    // As a user does it: the click on "Autor" activates the main window first.
    void showAbout()
    {
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        click(main().aboutButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about()));
    }

    QPoint expectedTopLeft()
    {
        const QRect screen = about().screen()->geometry();
        const QPointF place = aboutBoxTopLeft(screen.size(), about().frameGeometry().size());
        return screen.topLeft() + QPoint(int(std::floor(place.x())), int(std::floor(place.y())));
    }

    static qsizetype aboutBoxes()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(),
                             [](QWidget *w) { return qobject_cast<AboutBox *>(w); });
    }
};

// "Autor" shows the one box beside a usable main window, at its place and with its texts, and
// does so again however the box was left.
struct LeaveCase
{
    const char *name;
    void (*leave)(AboutBoxWindow &);
    bool hides;
};

class AboutBoxAgain : public AboutBoxWindow, public ::testing::WithParamInterface<LeaveCase>
{ };

TEST_P(AboutBoxAgain, ShowsTheSameWindowPlacedAndFilledAnew)
{
    EXPECT_FALSE(about().isVisible()) << "created hidden";
    showAbout();
    EXPECT_EQ(about().frameGeometry().topLeft(), expectedTopLeft());
    about().move(about().pos() + QPoint(37, 21));
    about().usageNotice->setText(QString());
    GetParam().leave(*this);
    EXPECT_EQ(about().isVisible(), !GetParam().hides);
    EXPECT_TRUE(main().isVisible());

    showAbout();
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().frameGeometry().topLeft(), expectedTopLeft());
    EXPECT_EQ(aboutBoxes(), 1);
    EXPECT_EQ(about().windowTitle(), u"Programm-Info"_s);
    EXPECT_EQ(
            about().usageNotice->text(),
            u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s);
    EXPECT_EQ(about().makerLines->text(),
              u"ZEL-Merkbold-Projekt\r\nKontakt über die Projektseite"_s);
    EXPECT_EQ(about().webAddress->text(), u"Lernkärtchen am Computer"_s);
    EXPECT_EQ(about().okayButton->text(), u"O k a y"_s);
    EXPECT_EQ(about().nameLetterZ->text() + about().nameLetterE->text()
                      + about().nameLetterL->text() + about().nameRest->text(),
              u"ZEL- Merkbold"_s);
    EXPECT_FALSE(about().isModal());
    click(main().forwardButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"1"_s);
}

INSTANTIATE_TEST_SUITE_P(
        Ways, AboutBoxAgain,
        ::testing::Values(
                LeaveCase{"Okay", [](AboutBoxWindow &t) { t.click(t.about().okayButton); }, true},
                LeaveCase{"Abbruch", [](AboutBoxWindow &t) { t.click(t.about().closeButton); },
                          true},
                LeaveCase{"WindowFrame", [](AboutBoxWindow &t) { t.about().close(); }, true},
                LeaveCase{"LeftOpen", [](AboutBoxWindow &) {}, false}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
