// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the three windows: every control it can land on has a name,
// and the labels that show the quiz state speak their current text.
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"

#include <QAccessible>

namespace {

// Walks the accessibility tree as an assistive tool does, hidden parts included, and checks
// every control a user operates or the keyboard reaches: it has a name, and a sighted user's
// tooltip says the same. A control's own insides are named by Qt from their texts. Qt on Linux
// gives a combo box's current text as its name; tools then name it by the label pointing at it.
void expectNamedControls(QAccessibleInterface &node, int &controls)
{
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface *child = node.child(i);
        const QAccessible::Role role = child ? child->role() : QAccessible::NoRole;
        if (!child
            || !(child->state().focusable || role == QAccessible::PushButton
                 || role == QAccessible::CheckBox || role == QAccessible::List)) {
            if (child)
                expectNamedControls(*child, controls);
            continue;
        }
        const auto labels = child->relations(QAccessible::Label);
        const QString name = role != QAccessible::ComboBox ? child->text(QAccessible::Name)
                : labels.isEmpty()                         ? QString()
                                   : labels.first().first->text(QAccessible::Name);
        const auto *widget = qobject_cast<const QWidget *>(child->object());
        EXPECT_FALSE(name.trimmed().isEmpty()) << child->object()->metaObject()->className();
        EXPECT_TRUE(!widget || widget->toolTip().isEmpty() || widget->toolTip() == name)
                << name.toStdString();
        ++controls;
    }
}

using Accessibility = ProgramFixture;

TEST_F(Accessibility, EveryControlIsNamedByItsTextOrToolTip)
{
    const std::pair<QWidget *, int> windows[] = {
            {&main(), 19}, {&editor(), 23}, {&program->aboutBox(), 1}};
    for (const auto &[window, count] : windows) {
        int controls = 0;
        expectNamedControls(*QAccessible::queryAccessibleInterface(window), controls);
        EXPECT_EQ(controls, count) << window->metaObject()->className();
    }
}

// The label's text is its name, and what the label is about its description.
void expectSpoken(QWidget *label, const QString &name, const QString &description)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
    EXPECT_EQ(node->role(), QAccessible::StaticText);
    EXPECT_EQ(node->text(QAccessible::Name), name);
    EXPECT_EQ(node->text(QAccessible::Description), description);
}

TEST_F(Accessibility, StateLabelsSpeakTheirCurrentTextAndWhatTheyAreAbout)
{
    expectSpoken(main().questionDisplay, u"Wie viele Windstärken gibt es?"_s, u"Frage"_s);
    expectSpoken(main().standardNotice,
                 u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das "
                 u"Paket-Symbol auswählen und laden ..."_s,
                 QString());
    expectSpoken(program->aboutBox().okayButton, u"Okay"_s, u"Schließt das Fenster"_s);
    answerRightByKeyboard();
    expectSpoken(main().answerDisplay, u"Es gibt 12 Windstärken."_s, u"Antwort"_s);
    expectSpoken(main().wrongCountLabel, u"0"_s, u"Falsche Antworten"_s);
    expectSpoken(main().rightCountLabel, u"1"_s, u"Richtige Antworten"_s);
    press(Qt::Key_Insert);
    expectSpoken(main().workModeLabel, u"Lernmodus"_s, u"Arbeitsmodus"_s);
    editor().standardFileName->setText(u"TIERE.TXT"_s);
    expectSpoken(editor().standardFileName, u"TIERE.TXT"_s, u"Standarddatei"_s);
}

} // namespace
