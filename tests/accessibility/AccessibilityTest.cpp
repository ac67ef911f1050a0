// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the three windows: every control it can land on has a name,
// and the labels that show the quiz state speak their current text.
#include "app/HelpPanel.h"
#include "support/ProgramFixture.h"

#include "about/AboutBox.h"
#include "platform/FileListBox.h"

#include <QAccessible>
#include <set>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Roles a user operates; a control the keyboard can reach counts as well, whatever its role.
// clang-format off
const std::set<QAccessible::Role> operatedRoles{
    QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::ComboBox,   QAccessible::List,     QAccessible::Tree,
    QAccessible::Table,      QAccessible::EditableText, QAccessible::SpinBox,
    QAccessible::Slider,     QAccessible::ButtonMenu,   QAccessible::ButtonDropDown};

bool isOperated(QAccessibleInterface &node)
{
    return operatedRoles.contains(node.role()) || node.state().focusable;
}
// clang-format on

// `what` gives class and place, to find an offender.
struct Control
{
    QString name, toolTip, what;
};

// Qt on Linux gives a combo box's current text as its name; assistive tools then name the box
// by the label that points at it.
QString spokenName(QAccessibleInterface &node)
{
    if (node.role() != QAccessible::ComboBox)
        return node.text(QAccessible::Name);
    const auto labels = node.relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

Control describe(QAccessibleInterface &node)
{
    const auto *widget = qobject_cast<const QWidget *>(node.object());
    const QRect place = widget ? widget->geometry() : QRect();
    return {spokenName(node), widget ? widget->toolTip() : QString(),
            u"%1 at %2,%3"_s.arg(QLatin1String(node.object()->metaObject()->className()))
                    .arg(place.x())
                    .arg(place.y())};
}

// Walks the accessibility tree as an assistive tool does, hidden parts included (the file
// panels open later). A control's own insides, the rows of a list or the drop-down of a
// combo box, are named by Qt from their texts, so the walk stops at the control.
void collectControls(QAccessibleInterface &node, std::vector<Control> &controls)
{
    for (int i = 0; i < node.childCount(); ++i) {
        QAccessibleInterface *child = node.child(i);
        if (!child)
            continue;
        if (isOperated(*child))
            controls.push_back(describe(*child));
        else
            collectControls(*child, controls);
    }
}

std::vector<Control> controlsOf(QWidget &window)
{
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&window);
    std::vector<Control> controls;
    if (root)
        collectControls(*root, controls);
    return controls;
}

// `names`: every control's spoken name, in any order.
struct WindowCase
{
    const char *window;
    QWidget &(*open)(Program &);
    QStringList names;
};

// clang-format off
const WindowCase windowCases[] = {
    {"MainWindow", [](Program &p) -> QWidget & { return p.mainWindow(); },
     {u"Beenden"_s, u"Dateimenü"_s, u"Arbeitsmodus"_s, u"Drucken"_s, u"Ablage"_s,
      u"Einstellung"_s, u"Hilfetext"_s, u"Löschen"_s, u"Autor"_s, u"Editor"_s, u"Fehler"_s,
      u"Zurück"_s, u"Eingabe"_s, u"Weiter"_s, u"Lösungen"_s, u"Angebotene Antworten"_s,
      u"Laufwerke"_s, u"Ordner"_s, u"Katalogdateien"_s}},
    {"Editor", [](Program &p) -> QWidget & { return p.editorWindow(); },
     {u"Abbruch"_s, u"Abbruch mit Laden"_s, u"Neue Datei"_s, u"Hilfetext"_s, u"Dateimenü"_s,
      u"Frage löschen"_s, u"Eingaben sichern"_s, u"Antwort löschen"_s, u"Zeile löschen"_s,
      u"Drucken ..."_s, u"Ablage ..."_s, u"Listen speichern"_s, u"Keine Standarddatei"_s,
      u" Ausdrucken erlauben"_s, u" Laufwerke abblenden"_s, u"Frage"_s, u"Antwort"_s,
      u"Fragen"_s, u"Antworten"_s, u"Ausgabeformate"_s, u"Laufwerke"_s, u"Ordner"_s,
      u"Katalogdateien"_s}},
    {"AboutBox", [](Program &p) -> QWidget & { return p.aboutBox(); }, {u"Abbruch"_s}},
};
// clang-format on

class AccessibleControls : public ProgramFixture, public ::testing::WithParamInterface<WindowCase>
{ };

// A sighted user reads the tooltip, a blind one hears the name: both must say the same.
TEST_P(AccessibleControls, EveryControlIsNamedByItsTextOrToolTip)
{
    QStringList spoken;
    for (const Control &control : controlsOf(GetParam().open(*program))) {
        EXPECT_FALSE(control.name.trimmed().isEmpty())
                << "no accessible name: " << control.what.toStdString();
        EXPECT_TRUE(control.toolTip.isEmpty() || control.toolTip == control.name)
                << control.what.toStdString();
        spoken.append(control.name);
    }
    QStringList expected = GetParam().names;
    spoken.sort();
    expected.sort();
    EXPECT_EQ(spoken, expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleControls, ::testing::ValuesIn(windowCases),
                         [](const auto &info) { return std::string(info.param.window); });

// The quiz state as an assistive tool reads it: the label's text is its name, and what the
// label is about is its description.
class AccessibleStateLabels : public ProgramFixture
{
protected:
    void prepareWorkDir() override { writeWorkFile(u"tiere.txt"_s, "Wal\r\nSäuger\r\n"); }

    static void expectSpoken(QLabel *label, const QString &name, const QString &description)
    {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->role(), QAccessible::StaticText);
        EXPECT_EQ(node->text(QAccessible::Name), name);
        EXPECT_EQ(node->text(QAccessible::Description), description);
    }
};

TEST_F(AccessibleStateLabels, SpeakTheirCurrentTextAndWhatTheyAreAbout)
{
    expectSpoken(main().questionDisplay, u"Wie viele Windstärken gibt es?"_s, u"Frage"_s);
    expectSpoken(
            main().standardNotice,
            u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das Paket-Symbol auswählen und laden ..."_s,
            QString());
    expectSpoken(program->aboutBox().okayButton, u"Okay"_s, u"Schließt das Fenster"_s);
    press(Qt::Key_Right);
    expectSpoken(main().answerDisplay, u"Arabische Mathematiker."_s, u"Antwort"_s);
    expectWrongAnswerMessage();
    press(Qt::Key_Return);
    expectSpoken(main().wrongCountLabel, u"1"_s, u"Falsche Antworten"_s);
    answerRightByKeyboard();
    expectSpoken(main().rightCountLabel, u"1"_s, u"Richtige Antworten"_s);
    press(Qt::Key_Insert);
    expectSpoken(main().workModeLabel, u"Lernmodus"_s, u"Arbeitsmodus"_s);
    editor().fileList->setListIndex(int(editor().fileList->texts().indexOf(u"tiere.txt"_s)));
    click(editor().standardFileCaption);
    expectSpoken(editor().standardFileName, u"TIERE.TXT"_s, u"Standarddatei"_s);

    expectKeyboardMessage();
    press(Qt::Key_F1);
    const QString help =
            QAccessible::queryAccessibleInterface(main().helpPanel)->text(QAccessible::Name);
    EXPECT_TRUE(help.startsWith(
            u"Dieses Programm benutzt du wie deine Lernkärtchen in einem Frage-Antwort-Spiel"_s));
    EXPECT_TRUE(
            help.endsWith(u"  << Klicke HIER oder auf HILFE, um das Fenster zu schließen >>"_s));
}

} // namespace
