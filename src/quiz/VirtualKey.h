// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key codes the quiz reacts to. Qt's own key values differ (its "+" is 43, the code of
// Execute here), so a key always goes through virtualKeyCode() before it is compared.
namespace VirtualKey {
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Execute = 43;
inline constexpr int Insert = 45;
inline constexpr int F1 = 112;
} // namespace VirtualKey

// Virtual-key code of a Qt key value; 0 for keys that have none here.
int virtualKeyCode(int qtKey);
