// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"
#include "support/ProgramFixture.h"

#include <QScreen>

namespace {

// Centred across, a quarter of the free height down, fractions kept, and off the screen when
// larger than it.
TEST(AboutBox, IsCentredAcrossAQuarterOfTheFreeHeightDown)
{
    EXPECT_EQ(aboutBoxTopLeft({12015, 9015}, {3600, 3900}), QPointF(4207.5, 1278.75));
    EXPECT_EQ(aboutBoxTopLeft({3000, 2000}, {3600, 3900}), QPointF(-300, -475));
}

using AboutBoxVisit = ProgramFixture;

// "Autor" shows the one box, not modal, at its place and filled anew, however the box was left
// before, and the main window goes on working beside it.
TEST_F(AboutBoxVisit, ShowsTheSameWindowPlacedAndFilledAnewHoweverItWasLeft)
{
    AboutBox &about = program->aboutBox();
    QLabel *licence = control<QLabel>(about, u"Bezeichnung6"_s);
    const std::function<void()> ways[] = {[&] { click(control<QLabel>(about, u"Bezeichnung1"_s)); },
                                          [&] { click(button(about, u"Abbruch"_s)); },
                                          [&] { about.close(); }, [] {}};
    for (const auto &leave : ways) {
        main().activateWindow(); // as the click on "Autor" does
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
        click(button(main(), u"Autor"_s));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        const QRect screen = about.screen()->geometry();
        const QPointF place = aboutBoxTopLeft(screen.size(), about.frameGeometry().size());
        EXPECT_LT((QPointF(about.frameGeometry().topLeft() - screen.topLeft()) - place)
                          .manhattanLength(),
                  2);
        EXPECT_EQ(licence->text(),
                  u"Frei für Schule und Zuhause: Du darfst dieses Programm "
                  u"kostenlos benutzen und weitergeben."_s);
        about.move(about.pos() + QPoint(37, 21));
        licence->setText(QString());
        leave();
    }
    click(button(main(), u"Weiter"_s));
    EXPECT_EQ(counters()[2], u"1"_s);
}

} // namespace
