// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"

#include <gtest/gtest.h>

namespace {

// Centred across, a quarter of the free height down, fractions kept, and off the screen when
// larger than it.
TEST(AboutBox, IsCentredAcrossAQuarterOfTheFreeHeightDown)
{
    EXPECT_EQ(aboutBoxTopLeft({12015, 9015}, {3600, 3900}), QPointF(4207.5, 1278.75));
    EXPECT_EQ(aboutBoxTopLeft({3000, 2000}, {3600, 3900}), QPointF(-300, -475));
}

} // namespace
