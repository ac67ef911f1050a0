// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the three windows: every control it can land on has a name,
// and the labels that show the quiz state speak their current text.
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

TEST_F(Accessibility, EveryControlIsNamedAndTheStateLabelsSpeakTheirText)
{
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&main())), 19);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&editor())), 23);
    EXPECT_EQ(expectNamedControls(*QAccessible::queryAccessibleInterface(&program->aboutBox())), 1);
    // The label's text is its name, what the label is about its description.
    answerRightByKeyboard();
    for (const auto &[label, spoken] :
         {std::pair(main().answerDisplay, u"Es gibt 12 Windstärken., Antwort"_s),
          {main().rightCountLabel, u"1, Richtige Antworten"_s},
          {main().workModeLabel, u"Quizmodus, Arbeitsmodus"_s}}) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
        EXPECT_EQ(node->text(QAccessible::Name) + u", "_s + node->text(QAccessible::Description),
                  spoken);
    }
}

} // namespace
