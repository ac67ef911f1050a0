// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// The ten built-in pairs, in catalogue order.
struct StandardPair
{
    const char16_t *question;
    const char16_t *answer;
};

// clang-format off
inline constexpr std::array<StandardPair, 10> standardPairs{{
    {u"Wie viele Windstärken gibt es?", u"Es gibt 12 Windstärken."},
    {u"Wie nennt man besonders helle Autoscheinwerfer?", u"Das sind Halogen-Scheinwerfer."},
    {u"Wie bezeichnet man die Windstärke 12 noch?", u"Als Orkan."},
    {u"Welches Zahlensystem verwenden wir im Alltag?", u"Das Dezimalsystem=Zehnersystem"},
    {u"Wer erfand die arabischen Zahlen, die wir heute noch benutzen?", u"Die Babylonier."},
    {u"Was ist der Abakus?", u"Eine antike Rechentafel."},
    {u"Wer erfand den Abakus?", u"Chinesischen Kaufleute."},
    {u"Wer hat die Zahl 0 in die Mathematik eingeführt?", u"Arabische Mathematiker."},
    {u"Wer erfand das Dynamit?", u"Ruvero Vovor"},
    {u"Mit welcher Maßeinheit werden in Amerika die Flüssigkeiten gemessen?", u"In Gallonen."},
}};
// clang-format on
