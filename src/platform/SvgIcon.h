// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

// An icon drawn from an SVG resource (":/icons/NAME.svg"). The drawing is read on first use and
// each size is rendered once, sharp at any screen scale: a window full of hidden buttons costs
// nothing at start-up.
QIcon svgIcon(const QString &name);
