// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckBox.h"

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent) { }

int CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        break;
    }
    return 2;
}

void CheckBox::setValue(int value)
{
    if (value == 0)
        setCheckState(Qt::Unchecked);
    else if (value == 1)
        setCheckState(Qt::Checked);
    else if (value == 2)
        setCheckState(Qt::PartiallyChecked); // makes the box tristate
}

// A greyed box becomes ticked; the user never reaches greyed.
void CheckBox::nextCheckState()
{
    const bool ticked = checkState() == Qt::Checked;
    setTristate(false);
    setCheckState(ticked ? Qt::Unchecked : Qt::Checked);
}
