// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpPanel.h"
#include "SoakActions.h"

#include "SoakCatalogues.h"
#include "SoakWorld.h"
#include "UserInput.h"
#include "about/AboutBox.h"
#include "app/MainWindow.h"
#include "editor/EditorWindow.h"
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

template<typename Window>
struct Button
{
    PictureButton *Window::*button;
    const char *name;
    int weight;
};

// "Editor" comes up often, so that the password (right now and then) lets the soak into the
// editor; "Beenden" seldom, so that a run lasts a while.
// clang-format off
const std::vector<Button<MainWindow>> mainButtons = {
    {&MainWindow::quitButton, "Bild1", 1},   {&MainWindow::backButton, "Bild2", 4},   {&MainWindow::forwardButton, "Bild3", 4},
    {&MainWindow::editorButton, "Bild4", 8},   {&MainWindow::helpButton, "Bild5", 2},   {&MainWindow::standardQuestionsButton, "Bild6", 2},
    {&MainWindow::questionCountButton, "Bild7", 3},   {&MainWindow::errorRateButton, "Bild8", 2},   {&MainWindow::solutionRateButton, "Bild9", 2},
    {&MainWindow::workModeButton, "Bild10", 3}, {&MainWindow::copyButton, "Bild11", 2}, {&MainWindow::fileMenuButton, "Bild12", 5},
    {&MainWindow::confirmButton, "Bild13", 5}, {&MainWindow::aboutButton, "Bild14", 1}, {&MainWindow::printButton, "Bild15", 2},
};
// clang-format on

// The two ways out seldom, so that the soak stays in the editor for a while.
// clang-format off
const std::vector<Button<EditorWindow>> editorButtons = {
    {&EditorWindow::cancelButton, "Bild1", 1},   {&EditorWindow::clearAnswerButton, "Bild2", 2},   {&EditorWindow::saveButton, "Bild3", 4},
    {&EditorWindow::addPairButton, "Bild4", 10},  {&EditorWindow::printLayoutButton, "Bild5", 2},   {&EditorWindow::helpButton, "Bild6", 1},
    {&EditorWindow::returnButton, "Bild7", 1},   {&EditorWindow::clearQuestionButton, "Bild8", 2},   {&EditorWindow::copyLayoutButton, "Bild9", 2},
    {&EditorWindow::newCatalogueButton, "Bild10", 1}, {&EditorWindow::deletePairButton, "Bild11", 3}, {&EditorWindow::fileMenuButton, "Bild12", 3},
};
// clang-format on

struct Key
{
    Qt::Key key;
    int weight;
};

// Arrows, Enter and Insert are the quiz's own keys; the others must do nothing there.
// clang-format off
const std::vector<Key> keys = {
    {Qt::Key_Left, 4},   {Qt::Key_Right, 4},  {Qt::Key_Up, 2},        {Qt::Key_Down, 2},
    {Qt::Key_Return, 4}, {Qt::Key_Enter, 1},  {Qt::Key_Insert, 2},    {Qt::Key_Escape, 1},
    {Qt::Key_F1, 1},     {Qt::Key_Plus, 1},   {Qt::Key_Minus, 1},     {Qt::Key_Space, 1},
    {Qt::Key_Home, 1},   {Qt::Key_End, 1},    {Qt::Key_Backspace, 1}, {Qt::Key_Delete, 1},
    {Qt::Key_A, 1},      {Qt::Key_Z, 1},      {Qt::Key_5, 1},
};
// clang-format on

QString clicked(const QString &control, bool done)
{
    return done ? u"click "_s + control : QString();
}

struct NamedControl
{
    QWidget *widget;
    QString name;
};

QString clickOneOf(SoakWorld &world, const std::vector<NamedControl> &controls)
{
    const NamedControl &choice = world.dice.pick(controls);
    return clicked(choice.name, UserInput::click(*choice.widget));
}

template<typename Window>
QString clickButton(Window &window, const char *windowName, const Button<Window> &choice)
{
    PictureButton *button = window.*choice.button;
    const bool done = UserInput::click(*button);
    return clicked(u"%1.%2 (%3)"_s.arg(QLatin1String(windowName), QLatin1String(choice.name),
                                       button->toolTip()),
                   done);
}

QString clickRow(ListBox &list, const QString &name, SoakWorld &world, double doubleClickChance)
{
    if (list.count() == 0)
        return {};
    const int row = world.dice.below(list.count());
    const QString text = list.text(row);
    const bool twice = world.dice.chance(doubleClickChance);
    if (!UserInput::clickRow(list, row, twice))
        return {};
    return u"%1 %2 row %3 \"%4\""_s.arg(twice ? u"double-click"_s : u"click"_s, name)
            .arg(row)
            .arg(text);
}

QString mainButton(SoakWorld &world)
{
    return clickButton(world.main(), "Form1", world.dice.pickWeighted(mainButtons));
}

// Opening the browser is a button of its own; here a file of the open list is picked.
QString mainFileList(SoakWorld &world)
{
    return clickRow(*world.main().fileList, u"Form1.Datei1"_s, world, 0.2);
}

QString mainLabel(SoakWorld &world)
{
    MainWindow &main = world.main();
    return clickOneOf(world,
                      {{main.standardNotice, u"Form1.Bezeichnung10"_s},
                       {main.helpPanel, u"Form1.Bezeichnung11"_s}});
}

QString aboutBox(SoakWorld &world)
{
    AboutBox &about = world.aboutBox();
    return clickOneOf(world,
                      {{about.okayButton, u"ZELLABEL.Bezeichnung1"_s},
                       {about.closeButton, u"ZELLABEL.Bild1"_s}});
}

QString editorButton(SoakWorld &world)
{
    EditorWindow &editor = world.editor();
    if (world.dice.chance(0.04))
        return clicked(u"Form2.Befehl1 (X)"_s, UserInput::click(*editor.noStandardFileButton));
    const Button<EditorWindow> &choice = world.dice.pickWeighted(editorButtons);
    const QString question = editor.questionInput->text();
    const QString answer = editor.answerInput->text();
    const QString done = clickButton(editor, "Form2", choice);
    // "Eingaben sichern" is the one way a user puts a pair of their own into the catalogue.
    if (!done.isEmpty() && choice.button == &EditorWindow::addPairButton)
        world.known.add(question, answer);
    return done;
}

// Umlauts, blanks, a tab, a line break, characters beyond Windows-1252, texts of the standard
// pairs (duplicates), numbered entries that are new until they come up a second time, and "".
QString entryText(SoakRandom &dice)
{
    // clang-format off
    static const QStringList texts = {
        u"Hund"_s, u"Katze"_s, u"Ärger über Öl"_s, u"Straße"_s, u"  "_s, u" vorne Blanke"_s,
        u"hinten Blanke "_s, u"x"_s, u"Tab\tText"_s, u"Zeile\r\nzwei"_s, u"€ und łódź"_s,
        u"😀"_s, u"ÄÖÜäöüß"_s, u"Wie viele Windstärken gibt es?"_s, u"Es gibt 12 Windstärken."_s,
        QString(200, u'w'),
    };
    // clang-format on
    const int roll = dice.below(10);
    if (roll == 0)
        return {};
    if (roll < 5)
        return u"Eintrag "_s + QString::number(dice.below(60));
    return dice.pick(texts);
}

QString editorTyping(SoakWorld &world)
{
    EditorWindow &editor = world.editor();
    const bool question = world.dice.chance(0.5);
    const QString text = entryText(world.dice);
    const bool replacing = world.dice.chance(0.7);
    if (!UserInput::enterText(question ? *editor.questionInput : *editor.answerInput, text,
                              replacing))
        return {};
    return u"%1 \"%2\" into Form2.%3"_s.arg(replacing ? u"replace with"_s : u"type"_s, text,
                                            question ? u"Text1"_s : u"Text2"_s);
}

QString editorList(SoakWorld &world)
{
    EditorWindow &editor = world.editor();
    const bool questions = world.dice.chance(0.5);
    return clickRow(questions ? *editor.questionList : *editor.answerList,
                    questions ? u"Form2.Liste1"_s : u"Form2.Liste2"_s, world, 0.3);
}

QString layoutList(SoakWorld &world)
{
    return clickRow(*world.editor().layoutList, u"Form2.Liste3"_s, world, 0.8);
}

QString editorFileList(SoakWorld &world)
{
    return clickRow(*world.editor().fileList, u"Form2.Datei1"_s, world, 0.5);
}

QString editorLabel(SoakWorld &world)
{
    EditorWindow &editor = world.editor();
    return clickOneOf(world,
                      {{editor.standardFileCaption, u"Form2.Bezeichnung3"_s},
                       {editor.standardFileName, u"Form2.Bezeichnung4"_s}});
}

QString editorCheckBox(SoakWorld &world)
{
    EditorWindow &editor = world.editor();
    return clickOneOf(world,
                      {{editor.allowPrinting, u"Form2.Kontroll1"_s},
                       {editor.hideDrives, u"Form2.Kontroll2"_s}});
}

// The window the keyboard talks to: the active one, or the one shown when none is active.
QWidget *keyboardWindow(SoakWorld &world)
{
    if (QWidget *active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    if (world.main().isVisible())
        return &world.main();
    if (world.editor().isVisible())
        return &world.editor();
    return nullptr;
}

QString keyPress(SoakWorld &world)
{
    QWidget *window = keyboardWindow(world);
    if (!window)
        return {};
    // The soak stays in its own folder: no key goes to a drive or folder list.
    const QWidget *focused = window->focusWidget();
    if (qobject_cast<const DriveListBox *>(focused) || qobject_cast<const DirListBox *>(focused))
        return {};
    const Qt::Key key = world.dice.pickWeighted(keys).key;
    UserInput::pressKey(*window, key);
    return u"key %1 in %2"_s.arg(QKeySequence(key).toString(),
                                 QLatin1String(window->metaObject()->className()));
}

QString closeWindow(SoakWorld &world)
{
    QWidget *windows[] = {&world.main(), &world.editor(), &world.aboutBox()};
    QWidget *window = world.dice.pick(windows);
    if (!window->isVisible())
        return {};
    window->close();
    return u"close the frame of "_s + QLatin1String(window->metaObject()->className());
}

// The folder changes under the program's feet: a listed file rewritten or gone.
QString diskChange(SoakWorld &world)
{
    const QString name = world.dice.pick(SoakCatalogues::fileNames());
    if (world.dice.chance(0.2)) {
        QFile::remove(name);
        return u"delete "_s + name;
    }
    world.writeCatalogue(name, SoakCatalogues::randomFile(world.dice));
    return u"rewrite "_s + name;
}

} // namespace

const std::vector<SoakAction> &soakActions()
{
    // clang-format off
    static const std::vector<SoakAction> actions = {
        {"main window button", 40, mainButton},
        {"main window file list", 10, mainFileList},
        {"main window label", 3, mainLabel},
        {"about box", 3, aboutBox},
        {"editor button", 40, editorButton},
        {"editor input", 25, editorTyping},
        {"editor catalogue list", 12, editorList},
        {"editor layout list", 5, layoutList},
        {"editor file list", 6, editorFileList},
        {"editor label", 2, editorLabel},
        {"editor check box", 3, editorCheckBox},
        {"key", 30, keyPress},
        {"window frame", 2, closeWindow},
        {"disk change", 1, diskChange},
    };
    // clang-format on
    return actions;
}
