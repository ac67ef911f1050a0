// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Centring.h"
#include "platform/Palette.h"
#include "desktop/QtDialogs.h"
#include "platform/Twips.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Twips, FifteenMakeOneLogicalPixel)
{
    EXPECT_EQ(Twips::toPixels(8670), 578);
    EXPECT_EQ(Twips::toPixels(495), 33);
    EXPECT_EQ(Twips::rect(120, 480, 495, 495), QRect(8, 32, 33, 33));
    EXPECT_DOUBLE_EQ(Twips::fromPixels(96), 1440);
}

TEST(Palette, RedAndYellow)
{
    EXPECT_EQ(qbColor(12), QColor(255, 0, 0));
    EXPECT_EQ(qbColor(14), QColor(255, 255, 0));
}

TEST(Centring, HalvesTheDifferenceAndMayGoNegative)
{
    EXPECT_EQ(centredTopLeft({1000, 800}, {501, 300}), QPointF(249.5, 250));
    EXPECT_EQ(centredTopLeft({400, 300}, {600, 500}), QPointF(-100, -100));
}

TEST(QtDialogs, ACarriageReturnBreaksTheLineAndAFinalOneAddsNone)
{
    EXPECT_EQ(QtDialogs::displayText(u"Leider falsch, versuch's nochmal!\r"_s),
              u"Leider falsch, versuch's nochmal!"_s);
    EXPECT_EQ(QtDialogs::displayText(u"Zeile 1\rZeile 2\r\nZeile 3\r"_s),
              u"Zeile 1\nZeile 2\nZeile 3"_s);
}

} // namespace
