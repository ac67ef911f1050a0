// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the three windows: every control it can land on has a name.
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"

#include <QAccessible>

namespace {

// Walks the accessibility tree as an assistive tool does, hidden parts included, and counts the
// controls a user operates or the keyboard reaches, checking each: it has a name, and a sighted
// user's tooltip says the same. Qt on Linux gives a combo box's current text as its name; tools
// then name it by the label pointing at it.
int expectNamedControls(QAccessibleInterface &node)
{
    int controls = 0;
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface &child = *node.child(i);
        const QAccessible::Role role = child.role();
        if (!child.state().focusable
            && !QList{QAccessible::PushButton, QAccessible::CheckBox, QAccessible::List,
                      QAccessible::Tree, QAccessible::ComboBox}
                        .contains(role)) {
            controls += expectNamedControls(child);
            continue;
        }
        const auto labels = child.relations(QAccessible::Label);
        const QString name = role == QAccessible::ComboBox && !labels.isEmpty()
                ? labels.first().first->text(QAccessible::Name)
                : child.text(QAccessible::Name);
        const auto *widget = qobject_cast<QWidget *>(child.object());
        const QString toolTip = widget ? widget->toolTip() : QString();
        EXPECT_FALSE(name.trimmed().isEmpty()) << child.object()->metaObject()->className();
        EXPECT_TRUE(toolTip.isEmpty() || toolTip == name) << name.toStdString();
        ++controls;
    }
    return controls;
}

using Accessibility = ProgramFixture;

TEST_F(Accessibility, EveryControlIsNamedAndShowsItsPicture)
{
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&main())), 19);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&editor())), 23);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&program->aboutBox())), 1);
    // A misspelt icon name would leave a button blank, with nothing to click on.
    for (const PictureButton *button :
         main().findChildren<PictureButton *>() + editor().findChildren<PictureButton *>())
        EXPECT_FALSE(button->icon().pixmap(32).isNull()) << button->toolTip().toStdString();
}

} // namespace
