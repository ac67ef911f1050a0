// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomDialogs.h"

#include <QStringList>
#include <vector>

class SoakWorld;

// What must hold after every action, one line for each rule that is broken, none when all hold.
// `boxes` are the boxes the action showed, `ends` the runs of the end handler during it.
QStringList brokenInvariants(SoakWorld &world, const std::vector<RandomDialogs::Box> &boxes,
                             int ends);
