// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The program's colours by name, and the 16 colours of the classic palette by number.
namespace Palette {

// Not a colour: the control keeps the one it would have anyway, from its window or the system.
inline constexpr QRgb inherited = 0;

inline constexpr QRgb black = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb white = qRgb(0xFF, 0xFF, 0xFF);
inline constexpr QRgb red = qRgb(0xFF, 0x00, 0x00);
inline constexpr QRgb green = qRgb(0x00, 0xFF, 0x00);
inline constexpr QRgb blue = qRgb(0x00, 0x00, 0xFF);
inline constexpr QRgb cyan = qRgb(0x00, 0xFF, 0xFF);
inline constexpr QRgb magenta = qRgb(0xFF, 0x00, 0xFF);
inline constexpr QRgb purple = qRgb(0xC0, 0x00, 0xC0);
inline constexpr QRgb leafGreen = qRgb(0x00, 0xC0, 0x00);
inline constexpr QRgb darkBlue = qRgb(0x00, 0x00, 0xC0);
inline constexpr QRgb navy = qRgb(0x00, 0x00, 0x80);
inline constexpr QRgb nightBlue = qRgb(0x00, 0x00, 0x40);
inline constexpr QRgb lightGreen = qRgb(0xC0, 0xFF, 0xC0);
inline constexpr QRgb paleGreen = qRgb(0x80, 0xFF, 0x80);
inline constexpr QRgb lightCyan = qRgb(0x80, 0xFF, 0xFF);
inline constexpr QRgb paleCyan = qRgb(0xC0, 0xFF, 0xFF);
inline constexpr QRgb lightRed = qRgb(0xFF, 0xC0, 0xC0);
inline constexpr QRgb lightYellow = qRgb(0xFF, 0xFF, 0xE0);

// The classic palette by number, 0 to 15.
QColor classicColour(int number);
inline constexpr int classicRed = 12;
inline constexpr int classicYellow = 14;

} // namespace Palette
