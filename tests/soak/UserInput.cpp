// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserInput.h"

#include "platform/ListBox.h"

#include <QLineEdit>
#include <QTest>
#include <algorithm>

namespace UserInput {

namespace {

bool typeable(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QChar(0x20) && c <= QChar(0x7E)) || (c >= QChar(0xA0) && c <= QChar(0xFF));
    });
}

// Qt names the key of a Latin-1 letter by its capital; the event carries the character typed.
void typeCharacter(QWidget &widget, QChar c)
{
    const QChar capital = c.toUpper();
    const auto key = capital.unicode() <= 0xFF ? Qt::Key(capital.unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, &widget, key, QString(c), Qt::NoModifier);
}

} // namespace

bool reachable(const QWidget &widget, const QPoint &at)
{
    if (!widget.isVisible() || !widget.isEnabled() || !widget.rect().contains(at))
        return false;
    const QWidget *window = widget.window();
    const QPoint inWindow = widget.mapTo(window, at);
    if (!window->rect().contains(inWindow))
        return false;
    const QWidget *hit = window->childAt(inWindow);
    return hit == &widget || widget.isAncestorOf(hit);
}

bool click(QWidget &widget)
{
    const QPoint centre = widget.rect().center();
    if (!reachable(widget, centre))
        return false;
    QTest::mouseClick(&widget, Qt::LeftButton, {}, centre);
    return true;
}

bool clickRow(ListBox &list, int row, bool doubleClick)
{
    const QModelIndex index = list.model()->index(row, 0);
    if (!index.isValid() || !list.isVisible())
        return false;
    list.doItemsLayout();
    list.scrollTo(index);
    QWidget &viewport = *list.viewport();
    const QPoint centre = list.visualRect(index).center();
    if (!reachable(viewport, centre))
        return false;
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, centre);
    if (doubleClick)
        QTest::mouseDClick(&viewport, Qt::LeftButton, {}, centre);
    return true;
}

bool enterText(QLineEdit &edit, const QString &text, bool replacing)
{
    if (!click(edit))
        return false;
    if (replacing) {
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Backspace);
    }
    if (typeable(text)) {
        for (const QChar c : text)
            typeCharacter(edit, c);
    } else {
        edit.insert(text);
    }
    return true;
}

void pressKey(QWidget &window, Qt::Key key)
{
    QWidget *focused = window.focusWidget();
    QTest::keyClick(focused ? focused : &window, key);
}

} // namespace UserInput
