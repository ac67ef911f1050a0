// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"
#include "platform/Centring.h"

#include <QScreen>
#include <cmath>

namespace {

// Centred across, a quarter of the free height down, fractions kept, and off the screen when
// larger than it; plain centring halves the difference.
TEST(AboutBoxPlacement, CentredAcrossAQuarterOfTheFreeHeightDown)
{
    EXPECT_EQ(aboutBoxTopLeft({12000, 9000}, {3600, 3900}), QPointF(4200, 1275));
    EXPECT_EQ(aboutBoxTopLeft({12015, 9015}, {3600, 3900}), QPointF(4207.5, 1278.75));
    EXPECT_EQ(aboutBoxTopLeft({3000, 2000}, {3600, 3900}), QPointF(-300, -475));
    EXPECT_EQ(centredTopLeft({1000, 800}, {501, 300}), QPointF(249.5, 250));
}

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
        const QRect screen = about().screen()->geometry();
        const QPointF place = aboutBoxTopLeft(screen.size(), about().frameGeometry().size());
        EXPECT_EQ(about().frameGeometry().topLeft(),
                  screen.topLeft()
                          + QPoint(int(std::floor(place.x())), int(std::floor(place.y()))));
    }
};

// "Autor" shows the one box, not modal, at its place and with its texts, and does so again
// however the box was left.
TEST_F(AboutBoxWindow, ShowsTheSameWindowPlacedAndFilledAnewHoweverItWasLeft)
{
    EXPECT_FALSE(about().isVisible()) << "created hidden";
    const std::function<void()> ways[] = {[this] { click(about().okayButton); },
                                          [this] { click(about().closeButton); },
                                          [this] { about().close(); }, [] {}};
    for (const auto &leave : ways) {
        showAbout();
        EXPECT_EQ(about().windowTitle(), u"Programm-Info"_s);
        EXPECT_EQ(about().usageNotice->text(),
                  u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen "
                  u"und weitergeben."_s);
        EXPECT_EQ(about().makerLines->text(),
                  u"ZEL-Merkbold-Projekt\r\nKontakt über die Projektseite"_s);
        EXPECT_EQ(about().okayButton->text(), u"O k a y"_s);
        about().move(about().pos() + QPoint(37, 21));
        about().usageNotice->setText(QString());
        leave();
        EXPECT_TRUE(main().isVisible());
    }
    EXPECT_TRUE(about().isVisible());
    click(main().forwardButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"1"_s);
}

} // namespace
