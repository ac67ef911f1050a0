// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutListMode.h"

#include "platform/ListBox.h"
#include "platform/Palette.h"

namespace {

constexpr int red = 12;
constexpr int yellow = 14;

} // namespace

void setLayoutListMode(ListBox &list, OutputMode mode)
{
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, qbColor(mode == OutputMode::Copy ? red : yellow));
    palette.setColor(QPalette::Text, qbColor(mode == OutputMode::Copy ? yellow : red));
    list.setPalette(palette);
}

OutputMode layoutListMode(const ListBox &list)
{
    return list.palette().color(QPalette::Base) == qbColor(red) ? OutputMode::Copy
                                                                : OutputMode::Print;
}
