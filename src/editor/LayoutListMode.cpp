// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutListMode.h"

#include "platform/ListBox.h"
#include "platform/Palette.h"

using Palette::classicColour;
using Palette::classicRed;
using Palette::classicYellow;

void setLayoutListMode(ListBox &list, OutputMode mode)
{
    const bool copy = mode == OutputMode::Copy;
    QPalette palette = list.palette();
    palette.setColor(QPalette::Base, classicColour(copy ? classicRed : classicYellow));
    palette.setColor(QPalette::Text, classicColour(copy ? classicYellow : classicRed));
    list.setPalette(palette);
}

OutputMode layoutListMode(const ListBox &list)
{
    return list.palette().color(QPalette::Base) == classicColour(classicRed) ? OutputMode::Copy
                                                                             : OutputMode::Print;
}
