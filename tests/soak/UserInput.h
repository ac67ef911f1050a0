// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class ListBox;
class QLineEdit;
class QPoint;
class QString;
class QWidget;

// A user's mouse and keyboard on the real windows. A user can only reach what is shown and not
// covered by another control, so every call first looks at the point it would click; when that
// point shows something else the call does nothing and returns false.
namespace UserInput {

// Whether the point of the widget (its own coordinates) is shown, enabled and on top there.
bool reachable(const QWidget &widget, const QPoint &at);

bool click(QWidget &widget);
bool clickRow(ListBox &list, int row, bool doubleClick);

// Clicks into the box and types the text; what cannot be typed on a German keyboard
// (controls, characters beyond Latin-1) is pasted. `replacing` selects the old text first.
bool enterText(QLineEdit &edit, const QString &text, bool replacing);

// A key press in the window, received by its focused control or by the window itself.
void pressKey(QWidget &window, Qt::Key key);

} // namespace UserInput
