// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class SoakWorld;

// One kind of thing a user does. run() does it once, the details chosen with the world's dice,
// and says what it did; it returns "" when it cannot be done now (its window hidden, its control
// covered or empty), and then nothing happened.
struct SoakAction
{
    const char *kind;
    int weight; // how often it is tried, relative to the others
    QString (*run)(SoakWorld &world);
};

const std::vector<SoakAction> &soakActions();
