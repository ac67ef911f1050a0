#include "support/ProgramFixture.h"

#include "about/ZELLABEL.h"
#include "platform/Twips.h"

#include <QScreen>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

struct PlacementCase
{
    const char *name;
    QSizeF screen;
    QSizeF window;
    QPointF topLeft;
};

class AboutBoxPlacement : public ::testing::TestWithParam<PlacementCase>
{
};

TEST_P(AboutBoxPlacement, CentredAcrossAQuarterOfTheFreeHeightDown)
{
    const PlacementCase &entry = GetParam();
    const QPointF topLeft = aboutBoxTopLeft(entry.screen, entry.window);
    EXPECT_DOUBLE_EQ(topLeft.x(), entry.topLeft.x());
    EXPECT_DOUBLE_EQ(topLeft.y(), entry.topLeft.y());
}

INSTANTIATE_TEST_SUITE_P(
    InTwips, AboutBoxPlacement,
    ::testing::Values(PlacementCase{"SvgaScreen", {12000, 9000}, {3600, 3900}, {4200, 1275}},
                      PlacementCase{"FractionsKept", {12015, 9015}, {3600, 3900}, {4207.5, 1278.75}},
                      PlacementCase{"LargerThanTheScreen", {3000, 2000}, {3600, 3900}, {-300, -475}}),
    [](const auto &info) { return std::string(info.param.name); });

class AboutBox : public ProgramFixture
{
protected:
    ZELLABEL &about() { return program->zellabel(); }

    void showAbout()
    {
        click(main().Bild14);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about()));
    }

    QPoint expectedTopLeft()
    {
        const QRect screen = about().screen()->geometry();
        const QPointF place = aboutBoxTopLeft(screen.size(), about().frameGeometry().size());
        return screen.topLeft() + QPoint(int(std::floor(place.x())), int(std::floor(place.y())));
    }

    int aboutBoxes()
    {
        int count = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            count += qobject_cast<ZELLABEL *>(window) ? 1 : 0;
        return count;
    }
};

TEST_F(AboutBox, AutorShowsItPlacedAndFilledBesideAUsableMainWindow)
{
    showAbout();
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().windowTitle(), u"Programm-Info"_s);
    EXPECT_EQ(about().frameGeometry().topLeft(), expectedTopLeft());
    EXPECT_EQ(about().Bezeichnung6->text(),
              u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s);
    EXPECT_EQ(about().Bezeichnung7->text(), u"ZEL-Merkbold-Projekt\r\nKontakt über die Projektseite"_s);
    EXPECT_EQ(about().Bezeichnung8->text(), u"Lernkärtchen am Computer"_s);
    EXPECT_FALSE(about().isModal());
    EXPECT_TRUE(main().isVisible());

    click(main().Bild3);
    EXPECT_EQ(main().Bezeichnung5->text(), u"1"_s);
}

TEST_F(AboutBox, ShownAgainItStaysOneWindowAndJumpsBackToItsPlace)
{
    showAbout();
    about().move(about().pos() + QPoint(37, 21));
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    about().Bezeichnung6->setText(QString());

    showAbout();
    EXPECT_EQ(about().frameGeometry().topLeft(), expectedTopLeft());
    EXPECT_FALSE(about().Bezeichnung6->text().isEmpty()) << "the texts are set on every activation";
    EXPECT_EQ(aboutBoxes(), 1);
}

struct HideCase
{
    const char *name;
    std::function<void(ZELLABEL &)> close;
};

class AboutBoxClosing : public AboutBox, public ::testing::WithParamInterface<HideCase>
{
};

TEST_P(AboutBoxClosing, HidesTheSameWindowForTheNextAutor)
{
    showAbout();
    ZELLABEL *shown = &about();
    GetParam().close(about());
    EXPECT_FALSE(about().isVisible());
    EXPECT_TRUE(main().isVisible());

    showAbout();
    EXPECT_EQ(&about(), shown);
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(aboutBoxes(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxClosing,
    ::testing::Values(HideCase{"Okay", [](ZELLABEL &box) { QTest::mouseClick(box.Bezeichnung1, Qt::LeftButton); }},
                      HideCase{"Abbruch", [](ZELLABEL &box) { QTest::mouseClick(box.Bild1, Qt::LeftButton); }},
                      HideCase{"WindowFrame", [](ZELLABEL &box) { box.close(); }}),
    [](const auto &info) { return std::string(info.param.name); });

struct LookCase
{
    const char *name;
    QLabel *ZELLABEL::*label;
    QRect twips;
    QRgb text;
    QRgb background;
    double pointSize;
    bool bold;
    bool italic;
};

class AboutBoxLook : public AboutBox, public ::testing::WithParamInterface<LookCase>
{
};

TEST_P(AboutBoxLook, LabelHasItsPlaceColoursAndFont)
{
    const LookCase &look = GetParam();
    showAbout();
    QLabel *label = about().*look.label;
    EXPECT_EQ(label->geometry(), Twips::rect(look.twips.x(), look.twips.y(), look.twips.width(), look.twips.height()));
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), look.text);
    EXPECT_EQ(label->grab().toImage().pixelColor(1, 1).rgb(), look.background);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), look.pointSize);
    EXPECT_EQ(label->font().bold(), look.bold);
    EXPECT_EQ(label->font().italic(), look.italic);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, AboutBoxLook,
    ::testing::Values(LookCase{"Z", &ZELLABEL::Bezeichnung2, {240, 240, 375, 615}, 0xFFFF00FF, 0xFF000080, 18, true, false},
                      LookCase{"E", &ZELLABEL::Bezeichnung3, {600, 240, 375, 615}, 0xFF00FFFF, 0xFF000080, 18, true, false},
                      LookCase{"L", &ZELLABEL::Bezeichnung4, {960, 240, 375, 615}, 0xFF80FF80, 0xFF000080, 18, true, false},
                      LookCase{"Merkbold", &ZELLABEL::Bezeichnung5, {1320, 240, 1935, 615}, 0xFFFFFFFF, 0xFF000080, 18, true, false},
                      LookCase{"UsageNotice", &ZELLABEL::Bezeichnung6, {240, 840, 3015, 855}, 0xFF000000, 0xFFC0FFFF, 8.25, false, false},
                      LookCase{"MakerLines", &ZELLABEL::Bezeichnung7, {240, 1800, 3015, 495}, 0xFFFFFFFF, 0xFF000080, 9.75, false, false},
                      LookCase{"Okay", &ZELLABEL::Bezeichnung1, {240, 2400, 2175, 495}, 0xFFFF0000, 0xFFC0FFFF, 18, true, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AboutBox, FixedTextsAndTheAbbruchPicture)
{
    EXPECT_EQ(about().Bezeichnung1->text(), u"O k a y"_s);
    EXPECT_EQ(about().Bezeichnung2->text() + about().Bezeichnung3->text() + about().Bezeichnung4->text()
                  + about().Bezeichnung5->text(),
              u"ZEL- Merkbold"_s);
    EXPECT_EQ(about().Bild1->toolTip(), u"Abbruch"_s);
    EXPECT_FALSE(about().Bild1->icon().isNull());
    EXPECT_EQ(about().size(), QSize(Twips::toPixels(3510), Twips::toPixels(3450)));
    EXPECT_FALSE(about().isVisible()) << "created hidden";
}

} // namespace
