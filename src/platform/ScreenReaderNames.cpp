// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenReaderNames.h"

#include <QComboBox>
#include <QLabel>

void nameComboBox(QComboBox &box, const QString &name)
{
    box.setAccessibleName(name);
    auto *label = new QLabel(name, box.parentWidget());
    label->setBuddy(&box);
    label->hide();
}
