// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Centring.h"

#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QPoint centredOn(const QScreen &screen, const QSize &outer)
{
    const QPointF place = centredTopLeft(screen.geometry().size(), outer);
    return screen.geometry().topLeft()
            + QPoint(int(std::floor(place.x())), int(std::floor(place.y())));
}

// Centred by the outer size: with the frame to expect while hidden, by the real frame once
// shown, and a window the user moved stays where it was put when shown again.
TEST(Centring, ByTheOuterSizeOnceShownThenNeverAgain)
{
    QWidget window;
    window.resize(301, 200);
    centreOnScreen(window);
    const QScreen &screen = *window.screen();
    ASSERT_GT(expectedFrame(window).top(), 0);
    EXPECT_EQ(window.pos(), centredOn(screen, window.size().grownBy(expectedFrame(window))));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.frameGeometry().topLeft(), centredOn(screen, window.frameGeometry().size()));

    const QPoint moved = window.pos() + QPoint(37, 21);
    window.move(moved);
    window.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), moved);
}

} // namespace
