// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QComboBox;
class QString;

// Names a drop-down list for screen readers. Qt on Linux reports a combo box's current text as
// its accessible name, and assistive tools take what the box is for from the label that points
// at it; the label stays hidden, because the window shows no caption there.
void nameComboBox(QComboBox &box, const QString &name);
