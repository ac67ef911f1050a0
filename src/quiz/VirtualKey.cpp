// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualKey.h"

#include <Qt>

int virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VirtualKey::Enter;
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Left:
        return VirtualKey::Left;
    case Qt::Key_Up:
        return VirtualKey::Up;
    case Qt::Key_Right:
        return VirtualKey::Right;
    case Qt::Key_Down:
        return VirtualKey::Down;
    case Qt::Key_Execute:
        return VirtualKey::Execute;
    case Qt::Key_Insert:
        return VirtualKey::Insert;
    case Qt::Key_F1:
        return VirtualKey::F1;
    default:
        break;
    }
    // Letters and digits share their codes with Qt.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    return 0;
}
