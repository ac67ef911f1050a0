// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

// A check box whose value is a number, as the settings file keeps it: 0 unticked, 1 ticked,
// 2 greyed. The user only ever ticks or unticks it; greyed comes from code.
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    CheckBox(const QString &caption, QWidget *parent);

    int value() const;
    // Values other than 0, 1 and 2 are refused: nothing changes.
    void setValue(int value);

protected:
    void nextCheckState() override;
};
