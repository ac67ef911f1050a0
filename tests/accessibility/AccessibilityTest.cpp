// What a screen reader finds in the three windows: every control it can land on has a name,
// and the labels that show the quiz state speak their current text.
#include "support/ProgramFixture.h"

#include "about/ZELLABEL.h"
#include "platform/FileListBox.h"

#include <QAccessible>
#include <algorithm>
#include <set>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Roles a user operates; a control the keyboard can reach counts as well, whatever its role.
const std::set<QAccessible::Role> operatedRoles{
    QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::ComboBox,   QAccessible::List,     QAccessible::Tree,
    QAccessible::Table,      QAccessible::EditableText, QAccessible::SpinBox,
    QAccessible::Slider,     QAccessible::ButtonMenu,   QAccessible::ButtonDropDown};

bool isOperated(QAccessibleInterface &node)
{
    return operatedRoles.contains(node.role()) || node.state().focusable;
}

struct Control
{
    QString name;
    QString toolTip;
    QString what; // class and place, to find an offender
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
                .arg(place.x()).arg(place.y())};
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

struct WindowCase
{
    const char *window;
    QWidget &(*open)(Program &);
    QStringList names; // every control's spoken name, in any order
};

void PrintTo(const WindowCase &c, std::ostream *out)
{
    *out << c.window;
}

QWidget &mainWindow(Program &program) { return program.form1(); }
QWidget &editorWindow(Program &program) { return program.form2(); }
QWidget &aboutBox(Program &program) { return program.zellabel(); }

const WindowCase windowCases[] = {
    {"MainWindow", mainWindow,
     {u"Beenden"_s, u"Dateimenü"_s, u"Arbeitsmodus"_s, u"Drucken"_s, u"Ablage"_s,
      u"Einstellung"_s, u"Hilfetext"_s, u"Löschen"_s, u"Autor"_s, u"Editor"_s, u"Fehler"_s,
      u"Zurück"_s, u"Eingabe"_s, u"Weiter"_s, u"Lösungen"_s, u"Angebotene Antworten"_s,
      u"Laufwerke"_s, u"Ordner"_s, u"Katalogdateien"_s}},
    {"Editor", editorWindow,
     {u"Abbruch"_s, u"Abbruch mit Laden"_s, u"Neue Datei"_s, u"Hilfetext"_s, u"Dateimenü"_s,
      u"Frage löschen"_s, u"Eingaben sichern"_s, u"Antwort löschen"_s, u"Zeile löschen"_s,
      u"Drucken ..."_s, u"Ablage ..."_s, u"Listen speichern"_s, u"Keine Standarddatei"_s,
      u" Ausdrucken erlauben"_s, u" Laufwerke abblenden"_s, u"Frage"_s, u"Antwort"_s,
      u"Fragen"_s, u"Antworten"_s, u"Ausgabeformate"_s, u"Laufwerke"_s, u"Ordner"_s,
      u"Katalogdateien"_s}},
    {"AboutBox", aboutBox, {u"Abbruch"_s}},
};

class AccessibleControls : public ProgramFixture, public ::testing::WithParamInterface<WindowCase>
{
protected:
    std::vector<Control> controls() { return controlsOf(GetParam().open(*program)); }
};

TEST_P(AccessibleControls, EveryControlHasAName)
{
    const std::vector<Control> found = controls();
    ASSERT_FALSE(found.empty()) << "the walk reached no control";
    for (const Control &control : found)
        EXPECT_FALSE(control.name.trimmed().isEmpty()) << "no accessible name: " << control.what.toStdString();
}

TEST_P(AccessibleControls, TheNamesAreTheControlsTexts)
{
    QStringList spoken;
    for (const Control &control : controls())
        spoken.append(control.name);
    QStringList expected = GetParam().names;
    std::sort(spoken.begin(), spoken.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(spoken, expected);
}

// A sighted user reads the tooltip, a blind one hears the name: both must say the same.
TEST_P(AccessibleControls, AToolTipAndTheNameAgree)
{
    for (const Control &control : controls()) {
        if (!control.toolTip.isEmpty()) {
            EXPECT_EQ(control.name, control.toolTip) << control.what.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleControls, ::testing::ValuesIn(windowCases),
                         [](const auto &info) { return std::string(info.param.window); });

// The quiz state as an assistive tool reads it: the label's text is its name, and what the
// label is about is its description.
class AccessibleStateLabels : public ProgramFixture
{
public:
    void pressKey(Qt::Key key) { press(key); }
    void answerWrong()
    {
        dialogs.expectMessage(u"Leider falsch, versuch's nochmal!\r"_s, u"F e h l e r"_s);
        press(Qt::Key_Return);
    }
    void answerRight() { answerRightByKeyboard(); }
    void chooseStandardFile()
    {
        editor().Datei1->setListIndex(int(editor().Datei1->texts().indexOf(u"tiere.txt"_s)));
        click(editor().Bezeichnung3);
    }
    void activateAboutBox() { program->zellabel().Form_Activate(); }

protected:
    void prepareWorkDir() override { writeWorkFile(u"tiere.txt"_s, "Wal\r\nSäuger\r\n"); }
};

struct StateLabelCase
{
    const char *state;
    void (*act)(AccessibleStateLabels &);
    QLabel *(*label)(Program &);
    QString name;
    QString description;
};

void PrintTo(const StateLabelCase &c, std::ostream *out)
{
    *out << c.state;
}

class AccessibleStateLabelTexts : public AccessibleStateLabels, public ::testing::WithParamInterface<StateLabelCase>
{
};

TEST_P(AccessibleStateLabelTexts, AreReadableThroughAccessibility)
{
    const StateLabelCase &c = GetParam();
    c.act(*this);
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(c.label(*program));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), c.name);
    EXPECT_EQ(label->text(QAccessible::Description), c.description);
}

const StateLabelCase stateLabelCases[] = {
    {"QuestionAtStart", [](AccessibleStateLabels &) {},
     [](Program &p) { return p.form1().Bezeichnung1; },
     u"Wie viele Windstärken gibt es?"_s, u"Frage"_s},
    {"AnswerAfterPaging", [](AccessibleStateLabels &t) { t.pressKey(Qt::Key_Right); },
     [](Program &p) { return p.form1().Bezeichnung2; },
     u"Arabische Mathematiker."_s, u"Antwort"_s},
    {"ModeAtStart", [](AccessibleStateLabels &) {},
     [](Program &p) { return p.form1().Bezeichnung7; }, u"Quizmodus"_s, u"Arbeitsmodus"_s},
    {"ModeAfterInsert", [](AccessibleStateLabels &t) { t.pressKey(Qt::Key_Insert); },
     [](Program &p) { return p.form1().Bezeichnung7; }, u"Lernmodus"_s, u"Arbeitsmodus"_s},
    {"WrongAnswerCounter", [](AccessibleStateLabels &t) { t.answerWrong(); },
     [](Program &p) { return p.form1().Bezeichnung8; }, u"1"_s, u"Falsche Antworten"_s},
    {"RightAnswerCounter", [](AccessibleStateLabels &t) { t.answerRight(); },
     [](Program &p) { return p.form1().Bezeichnung9; }, u"1"_s, u"Richtige Antworten"_s},
    {"StandardQuestionsNotice", [](AccessibleStateLabels &) {},
     [](Program &p) { return p.form1().Bezeichnung10; },
     u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das Paket-Symbol auswählen und laden ..."_s,
     u""_s},
    {"EditorStandardFile", [](AccessibleStateLabels &t) { t.chooseStandardFile(); },
     [](Program &p) { return p.form2().Bezeichnung4; }, u"TIERE.TXT"_s, u"Standarddatei"_s},
    {"AboutBoxUsageNotice", [](AccessibleStateLabels &t) { t.activateAboutBox(); },
     [](Program &p) { return p.zellabel().Bezeichnung6; },
     u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s,
     u""_s},
    {"AboutBoxOkay", [](AccessibleStateLabels &) {},
     [](Program &p) { return p.zellabel().Bezeichnung1; }, u"Okay"_s, u"Schließt das Fenster"_s},
};

INSTANTIATE_TEST_SUITE_P(StateLabels, AccessibleStateLabelTexts, ::testing::ValuesIn(stateLabelCases),
                         [](const auto &info) { return std::string(info.param.state); });

TEST_F(AccessibleStateLabels, TheOpenHelpPanelSpeaksTheHelpText)
{
    dialogs.expectMessage(u"Pfeiltasten zum Blättern\r"
                          u"Enter/Return für Eingabe\r"
                          u"Esc für das Programmende\r"
                          u"Ins für den Moduswechsel\r"
                          u"F1 für dieses Hilfefenster\r"_s,
                          u"Tastaturbenutzung"_s);
    press(Qt::Key_F1);
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(main().Bezeichnung11);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->text(QAccessible::Name).startsWith(
        u"Dieses Programm benutzt du wie deine Lernkärtchen in einem Frage-Antwort-Spiel"_s));
    EXPECT_TRUE(panel->text(QAccessible::Name).endsWith(
        u"  << Klicke HIER oder auf HILFE, um das Fenster zu schließen >>"_s));
}

} // namespace
