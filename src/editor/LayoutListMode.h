// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/EditorOutput.h"

class ListBox;

// The layout list keeps its mode only in its colours, numbers of the 16-colour palette:
// printing is red text on yellow (14), copying yellow text on red (12). The colours live in
// the list's palette, where the double-click reads the background back.
void setLayoutListMode(ListBox &list, OutputMode mode);

// Copy when the background is palette colour 12; any other colour prints.
OutputMode layoutListMode(const ListBox &list);
