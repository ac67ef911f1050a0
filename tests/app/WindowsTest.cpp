// SPDX-License-Identifier: GPL-3.0-or-later
// The about box, and what a screen reader finds in the three windows.
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"

#include <QAccessible>
#include <QScreen>

namespace {

// Centred across, a quarter of the free height down, fractions kept, and off the screen when
// larger than it.
TEST(AboutBoxPlacement, CentredAcrossAQuarterOfTheFreeHeightDown)
{
    EXPECT_EQ(aboutBoxTopLeft({12015, 9015}, {3600, 3900}), QPointF(4207.5, 1278.75));
    EXPECT_EQ(aboutBoxTopLeft({3000, 2000}, {3600, 3900}), QPointF(-300, -475));
}

using Windows = ProgramFixture;

// "Autor" shows the one box, not modal, at its place and with its texts, however the box was
// left before, and the main window goes on working beside it.
TEST_F(Windows, AboutBoxShowsTheSameWindowPlacedAndFilledAnewHoweverItWasLeft)
{
    AboutBox &about = program->aboutBox();
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
        EXPECT_EQ(about.windowTitle() + u" / "_s
                          + control<QLabel>(about, u"Bezeichnung1"_s)->text(),
                  u"Programm-Info / O k a y"_s);
        EXPECT_EQ(
                control<QLabel>(about, u"Bezeichnung6"_s)->text(),
                u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s);
        about.move(about.pos() + QPoint(37, 21));
        control<QLabel>(about, u"Bezeichnung6"_s)->setText(QString());
        leave();
    }
    click(button(main(), u"Weiter"_s));
    EXPECT_EQ(control<QLabel>(main(), u"Bezeichnung5"_s)->text(), u"1"_s);
}

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

TEST_F(Windows, EveryControlIsNamedAndShowsItsPicture)
{
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&main())), 19);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&editor())), 23);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&program->aboutBox())), 1);
    // A misspelt icon name would leave a button blank, with nothing to click on.
    for (const PictureButton *button :
         main().findChildren<PictureButton *>() + editor().findChildren<PictureButton *>())
        EXPECT_FALSE(button->icon().pixmap(32).isNull()) << button->toolTip().toStdString();
}

} // namespace
