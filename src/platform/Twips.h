// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

// Layouts are written in twips (1440 to the inch); on screen 15 twips make one logical pixel
// at 96 dpi, and Qt scales logical pixels for high-density screens.
namespace Twips {

inline constexpr double perPixel = 15.0;

inline int toPixels(double twips)
{
    return int(std::lround(twips / perPixel));
}

inline QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
