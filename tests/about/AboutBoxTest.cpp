// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"

#include <QScreen>
#include <cmath>

namespace {

// Centred across, a quarter of the free height down, fractions kept, and off the screen when
// larger than it.
TEST(AboutBoxPlacement, CentredAcrossAQuarterOfTheFreeHeightDown)
{
    EXPECT_EQ(aboutBoxTopLeft({12015, 9015}, {3600, 3900}), QPointF(4207.5, 1278.75));
    EXPECT_EQ(aboutBoxTopLeft({3000, 2000}, {3600, 3900}), QPointF(-300, -475));
}

using AboutBoxWindow = ProgramFixture;

// "Autor" shows the one box, not modal, at its place and with its texts, however the box was
// left before, and the main window goes on working beside it.
TEST_F(AboutBoxWindow, ShowsTheSameWindowPlacedAndFilledAnewHoweverItWasLeft)
{
    AboutBox &about = program->aboutBox();
    const std::function<void()> ways[] = {[&] { click(about.okayButton); },
                                          [&] { click(about.closeButton); }, [&] { about.close(); },
                                          [] {}};
    for (const auto &leave : ways) {
        main().activateWindow(); // as the click on "Autor" does
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        click(main().aboutButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        const QRect screen = about.screen()->geometry();
        const QPointF place = aboutBoxTopLeft(screen.size(), about.frameGeometry().size());
        EXPECT_EQ(about.frameGeometry().topLeft(),
                  screen.topLeft()
                          + QPoint(int(std::floor(place.x())), int(std::floor(place.y()))));
        EXPECT_EQ(about.windowTitle() + u" / "_s + about.okayButton->text(),
                  u"Programm-Info / O k a y"_s);
        EXPECT_EQ(
                about.usageNotice->text(),
                u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s);
        about.move(about.pos() + QPoint(37, 21));
        about.usageNotice->setText(QString());
        leave();
    }
    click(main().forwardButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"1"_s);
}

} // namespace
