// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PictureButton.h"

#include <QString>
#include <QWidget>

// A window's controls as a user or a tool finds them: a picture button by its tooltip, the
// picture's only text; any other control by its object name. A control that is not there ends
// the program at once, so that a renamed control cannot pass for a missing one.
template<typename Control>
Control *control(const QWidget &window, const QString &objectName)
{
    Control *found = window.findChild<Control *>(objectName);
    if (!found)
        qFatal("no %s \"%s\" in %s", Control::staticMetaObject.className(), qPrintable(objectName),
               qPrintable(window.objectName()));
    return found;
}

inline PictureButton *button(const QWidget &window, const QString &toolTip)
{
    for (PictureButton *candidate : window.findChildren<PictureButton *>())
        if (candidate->toolTip() == toolTip)
            return candidate;
    qFatal("no button \"%s\" in %s", qPrintable(toolTip), qPrintable(window.objectName()));
}
