// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: a long seeded run of random user actions on the real windows - clicks on every
// button and label, keys, list clicks and double-clicks, typing, every box answered at random,
// catalogue files of every kind rewritten under the program's feet - with the invariants checked
// after each action. A failure or a crash names the seed and the action; the same
// MERKBOLD_SOAK_SEED with MERKBOLD_SOAK_ACTIONS up to that action replays the run.
#include "about/AboutBox.h"
#include "app/HelpPanel.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "catalogue/SettingsFile.h"
#include "catalogue/StandardPairs.h"
#include "editor/EditorWindow.h"
#include "platform/CheckBox.h"
#include "services/Dialogs.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "quiz/NumericValue.h"
#include "platform/PictureButton.h"
#include "catalogue/Windows1252.h"
#include "support/Controls.h"
#include "support/Doubles.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <deque>
#include <functional>
#include <iostream>
#include <random>
#include <unistd.h>

#ifdef MERKBOLD_SOAK_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Every choice of a run comes from this one seeded engine, the program's shuffles included:
// reseeding them from the clock would make a failing run impossible to replay.
struct Dice final : RandomSource
{
    std::mt19937_64 engine;
    double next() override { return double(engine() >> 11) * 0x1.0p-53; }
    void reseedFromClock() override { }
    int below(int count) { return int(next() * count); }
    bool chance(double probability) { return next() < probability; }
    template<typename Items>
    const auto &pick(const Items &items)
    {
        return items[below(int(std::size(items)))];
    }
} dice;

// Answers every box as a child clicking through them would: a question Yes or No, a notice OK,
// an input box the shown question (the password), the proposal, or a text of every sort.
class RandomDialogs final : public Dialogs
{
public:
    BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) override
    {
        const BoxAnswer button = !style.testFlag(BoxStyle::YesNo) ? BoxAnswer::Ok
                : dice.below(2) == 0                              ? BoxAnswer::Yes
                                                                  : BoxAnswer::No;
        quitYes += prompt == u"Das Programm beenden?\r"_s && button == BoxAnswer::Yes;
        const QString pressed = button == BoxAnswer::Ok ? u"OK"_s
                : button == BoxAnswer::Yes              ? u"Ja"_s
                                                        : u"Nein"_s;
        shown << u"  box \"%1\": %2 -> %3"_s.arg(title, prompt.trimmed(), pressed);
        return button;
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override
    {
        static const QStringList texts =
                u"|10|25|50|7|12.5|-3|1e9|&H1F|abc|  |Ä Ö Ü ß|gesichert.txt"
                u"|ZELMERK.INI|Ordner/fehlt.txt"_s.split(u'|');
        const QString choices[] = {questionShown(), proposed, dice.pick(texts), dice.pick(texts)};
        QString typed = dice.pick(choices);
        if (typed.startsWith(u'/') || typed.contains(u"../"_s)) // it may become a file name
            typed.clear();
        shown << u"  input \"%1\": %2 -> \"%3\""_s.arg(title, prompt, typed);
        return typed;
    }

    std::function<QString()> questionShown;
    QStringList shown; // the boxes of the current action
    int quitYes = 0;
};

// Catalogue files of every kind: sound ones in Windows-1252 or UTF-8 with or without a
// byte-order mark, large ones, no pairs, repeated texts, a last answer missing, empty halves,
// lone CRs with LFs inside the texts, and junk bytes. No text holds a "/": typed as a file name
// it could lead out of the soak's folder.
QByteArray catalogueFile()
{
    static const QStringList words = u"Hund|Bär|Größe|Straße|Öl|Orkan|€|łódź|漢字|😀| |\t|"
                                     u"Es gibt 12 Windstärken."_s.split(u'|');
    const int kind = dice.below(9);
    QByteArray bytes;
    for (int i = kind == 0 ? dice.below(3000) : 0; i > 0; --i) { // line ends and NULs more often
        const int roll = dice.below(100);
        const char byte = roll < 10 ? "\r\r\r\r\r\n\n\n\0\0"[roll] : char(dice.below(256));
        bytes += byte == '/' ? '\\' : byte;
    }
    if (kind == 0)
        return bytes;
    QStringList lines;
    const int pairs = kind == 1 ? 0 : kind == 2 ? 150 + dice.below(250) : 1 + dice.below(40);
    for (int i = 0; i < pairs; ++i) {
        const QString number = QString::number(kind == 3 ? dice.below(3) : i);
        lines << dice.pick(words) + u' ' + number + u'?' << dice.pick(words) + u' ' + number + u'.';
    }
    if (kind == 4)
        lines << u"Ohne Antwort?"_s;
    for (QString &line : lines)
        line = kind == 5 && dice.chance(0.3) ? QString() : line;
    if (kind == 1)
        lines = QStringList(dice.below(4), QString());
    const QString lineEnd = kind == 6 ? u"\r"_s : u"\r\n"_s;
    QString text = lines.join(lineEnd) + (dice.chance(0.8) ? lineEnd : QString());
    if (kind == 6)
        text.replace(u'.', u'\n');
    if (Windows1252::canEncode(text) && dice.chance(0.7))
        return Windows1252::encode(text);
    return (dice.chance(0.5) ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

const QStringList fileNames =
        u"tiere.txt|Zahlen.txt|STAEDTE.TXT|Sinn.txt|leer.TXT|bin.txt"_s.split(u'|');

// The program under soak, what it reaches outside itself, and every pair put into it: a pair in
// the catalogue that is not known came from nowhere, halves of different pairs joined or a text
// changed on its way.
struct World
{
    RandomDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingSpeech speech;
    std::unique_ptr<Program> program;
    QSet<std::pair<QString, QString>> pairs;
    QSet<QString> questions, answers;
    int ends = 0;

    MainWindow &main() { return program->mainWindow(); }
    EditorWindow &editor() { return program->editorWindow(); }
    void know(const QString &question, const QString &answer)
    {
        pairs.insert({question, answer});
        questions.insert(question);
        answers.insert(answer);
    }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        if (QFile file(name); file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        const Catalogue catalogue = parseCatalogue(bytes).pairs;
        for (qsizetype i = 0; i < catalogue.questions.size(); ++i)
            know(catalogue.questions[i], catalogue.answers[i]);
    }
    // As the user starts the program: shown, then the start-up timer's tick.
    void start()
    {
        program = std::make_unique<Program>(Services{dialogs, dice, printer, clipboard, speech});
        program->setEndHandler([this] { ++ends; }); // the soak goes on with a new run
        program->start();
        // The start-up timer's tick, as the event loop runs it 100 ms after start-up.
        if (!QTest::qWaitFor([this] { return !control<QTimer>(main(), u"Zeit1"_s)->isActive(); }))
            std::abort();
    }
};

// A user can only reach what is shown, enabled and not covered by another control.
bool click(QWidget &widget, QPoint at, bool twice = false)
{
    QWidget *hit = widget.window()->childAt(widget.mapTo(widget.window(), at));
    if (!widget.isVisible() || !widget.isEnabled() || (hit != &widget && !widget.isAncestorOf(hit)))
        return false;
    QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(&widget, Qt::LeftButton, {}, at);
    return true;
}

QString clickOneOf(const std::vector<QWidget *> &controls)
{
    QWidget *control = dice.pick(controls);
    const QString name = control->objectName() + u" "_s + control->toolTip();
    return click(*control, control->rect().center()) ? u"click "_s + name : QString();
}

// Typed key by key where a German keyboard has the characters, pasted otherwise.
QString type(World &world)
{
    static const QStringList texts = u"|Hund|Ärger über Öl|  | vorne|hinten |Tab\tText|€ łódź|"
                                     u"😀|Zeile\r\nzwei|Es gibt 12 Windstärken."_s.split(u'|');
    QLineEdit *edit =
            control<QLineEdit>(world.editor(), dice.chance(0.5) ? u"Text1"_s : u"Text2"_s);
    const QString text = dice.chance(0.4) ? u"Eintrag %1"_s.arg(dice.below(60)) : dice.pick(texts);
    if (!click(*edit, edit->rect().center()))
        return {};
    if (dice.chance(0.7)) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
    }
    static const QRegularExpression keyboard(u"^[\\x20-\\x7E\\xA0-\\xFF]*$"_s);
    const bool typeable = keyboard.match(text).hasMatch();
    for (const QChar c : typeable ? text : QString())
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), {});
    edit->insert(typeable ? QString() : text);
    return u"type \"%1\" into %2"_s.arg(text, edit->accessibleName());
}

QString pressKey(World &world)
{
    static const Qt::Key keys[] = {
            Qt::Key_Left,   Qt::Key_Right,     Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down,   Qt::Key_Return,    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Insert,
            Qt::Key_Escape, Qt::Key_F1,        Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_Space,
            Qt::Key_Home,   Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A,     Qt::Key_5};
    QWidget *window = QApplication::activeWindow();
    if (!window || !window->isVisible())
        window = world.main().isVisible() ? static_cast<QWidget *>(&world.main()) : &world.editor();
    QWidget *focused = window->focusWidget() ? window->focusWidget() : window;
    if (qobject_cast<DriveListBox *>(focused) || qobject_cast<DirListBox *>(focused))
        return {}; // the soak stays in its own folder
    const Qt::Key key = dice.pick(keys);
    if (key == Qt::Key_Escape && dice.chance(0.7)) // seldom, so that a run lasts a while
        return {};
    QTest::keyClick(focused, key);
    return u"key %1 in %2"_s.arg(QKeySequence(key).toString(), window->windowTitle());
}

// "Editor", "Eingabe" and "Eingaben sichern" come up often, so that the password lets the soak
// into the editor, catalogues are answered to their end and entries made; the ways out seldom,
// so that a run lasts a while.
QString mainButton(World &w)
{
    MainWindow &m = w.main();
    const AboutBox &a = w.program->aboutBox();
    std::vector<QWidget *> buttons;
    for (const QString &toolTip :
         {u"Zurück"_s, u"Weiter"_s, u"Editor"_s, u"Editor"_s, u"Editor"_s, u"Hilfetext"_s,
          u"Löschen"_s, u"Einstellung"_s, u"Fehler"_s, u"Lösungen"_s, u"Arbeitsmodus"_s,
          u"Ablage"_s, u"Dateimenü"_s, u"Dateimenü"_s, u"Eingabe"_s, u"Eingabe"_s, u"Eingabe"_s,
          u"Drucken"_s})
        buttons.push_back(button(m, toolTip));
    // The notice, the help panel, and "O k a y" and "Abbruch" of the about box.
    buttons.insert(buttons.end(),
                   {control<QLabel>(m, u"Bezeichnung10"_s), control<QLabel>(m, u"Bezeichnung11"_s),
                    control<QLabel>(a, u"Bezeichnung1"_s), button(a, u"Abbruch"_s)});
    return clickOneOf(dice.chance(0.03) ? std::vector<QWidget *>{button(m, u"Beenden"_s),
                                                                 button(m, u"Autor"_s)}
                                        : buttons);
}

QString editorButton(World &w)
{
    EditorWindow &e = w.editor();
    std::vector<QWidget *> buttons;
    for (const QString &toolTip :
         {u"Antwort löschen"_s, u"Listen speichern"_s, u"Eingaben sichern"_s, u"Eingaben sichern"_s,
          u"Eingaben sichern"_s, u"Drucken ..."_s, u"Hilfetext"_s, u"Frage löschen"_s,
          u"Ablage ..."_s, u"Neue Datei"_s, u"Zeile löschen"_s, u"Dateimenü"_s})
        buttons.push_back(button(e, toolTip));
    // "X", the standard-file caption and name, and the two switches.
    for (const QString &name :
         {u"Befehl1"_s, u"Bezeichnung3"_s, u"Bezeichnung4"_s, u"Kontroll1"_s, u"Kontroll2"_s})
        buttons.push_back(control<QWidget>(e, name));
    const std::vector<QWidget *> ways = {button(e, u"Abbruch"_s),
                                         button(e, u"Abbruch mit Laden"_s)};
    const std::vector<QWidget *> &chosen = dice.chance(0.05) ? ways : buttons;
    if (&chosen == &buttons) // "Eingaben sichern" may take the two inputs as a pair
        w.know(control<QLineEdit>(e, u"Text1"_s)->text(),
               control<QLineEdit>(e, u"Text2"_s)->text());
    return clickOneOf(chosen);
}

QString listRow(World &w)
{
    const std::pair<QWidget *, QString> lists[] = {
            {&w.main(), u"Datei1"_s},   {&w.editor(), u"Liste1"_s}, {&w.editor(), u"Liste2"_s},
            {&w.editor(), u"Liste1"_s}, {&w.editor(), u"Liste2"_s}, {&w.editor(), u"Liste3"_s},
            {&w.editor(), u"Datei1"_s}};
    const auto &[window, name] = dice.pick(lists);
    ListBox &list = *control<ListBox>(*window, name);
    if (list.count() == 0 || !list.isVisible())
        return {};
    const int row = dice.below(list.count());
    const bool twice = dice.chance(0.4);
    list.doItemsLayout();
    list.scrollTo(list.model()->index(row, 0));
    if (!click(*list.viewport(), list.visualRect(list.model()->index(row, 0)).center(), twice))
        return {};
    return u"%1 row %2 \"%3\" of %4"_s.arg(twice ? u"double-click"_s : u"click"_s)
            .arg(row)
            .arg(list.text(row), list.accessibleName());
}

QString closeOrChangeAFile(World &w)
{
    QWidget *window =
            dice.pick(std::vector<QWidget *>{&w.main(), &w.editor(), &w.program->aboutBox()});
    if (dice.chance(0.5))
        return window->isVisible() && window->close()
                ? u"close the frame of "_s + window->windowTitle()
                : QString();
    const QString name = dice.pick(fileNames); // the folder changes under the program's feet
    if (dice.chance(0.2))
        return QFile::remove(name) ? u"delete "_s + name : QString();
    w.writeFile(name, catalogueFile());
    return u"rewrite "_s + name;
}

QString (*const actions[])(World &) = {
        mainButton,   mainButton, mainButton, editorButton,      editorButton, editorButton,
        editorButton, type,       type,       listRow,           listRow,      listRow,
        pressKey,     pressKey,   pressKey,   closeOrChangeAFile};

bool isWholeNumber(const QString &text, int lowest)
{
    static const QRegularExpression whole(u"^(0|-?[1-9][0-9]*)$"_s);
    return whole.match(text).hasMatch() && numericValue(text) >= lowest;
}

// What must hold after every action: one line for each rule that is broken.
QStringList brokenRules(World &w, int ends)
{
    QStringList broken;
    MainWindow &m = w.main();
    if (ends != w.dialogs.quitYes)
        broken << u"the program ended %1 time(s), not after Yes to quitting"_s.arg(ends);
    if (ends == 0 && m.isVisible() == w.editor().isVisible())
        broken << u"main window and editor both shown or both hidden"_s;
    const auto caption = [&m](const QString &name) { return control<QLabel>(m, name)->text(); };
    // Right answers in the set, wrong and right answers, browse position, last choice row.
    for (const QString &name : {u"Bezeichnung3"_s, u"Bezeichnung8"_s, u"Bezeichnung9"_s,
                                u"Bezeichnung5"_s, u"Bezeichnung4"_s})
        if (!isWholeNumber(caption(name), name == u"Bezeichnung4"_s ? -1 : 0))
            broken << u"a counter reads \"%1\""_s.arg(caption(name));
    const QuizState quiz = m.quizState();
    if (quiz.browsePosition() > std::max(quiz.lastChoiceRow(), 0.0))
        broken << u"the browse position is past the last row"_s;
    if (quiz.questionCount() < 10 || quiz.questionCount() > 50)
        broken << u"the question count reads \"%1\""_s.arg(quiz.questionCountText());
    const CatalogueLists catalogue = w.program->catalogue();
    const QStringList &questions = catalogue.questions().texts();
    const QStringList &answers = catalogue.answers().texts();
    if (questions.size() != answers.size())
        return broken << u"%1 questions and %2 answers"_s.arg(questions.size()).arg(answers.size());
    for (qsizetype i = 0; i < questions.size(); ++i)
        if (!w.pairs.contains({questions[i], answers[i]}))
            broken << u"pair %1 came from nowhere: \"%2\" / \"%3\""_s.arg(i).arg(questions[i],
                                                                                 answers[i]);
    for (const QString &answer : quiz.choices().texts() + QStringList(quiz.shownAnswer()))
        if (!answer.isEmpty() && !w.answers.contains(answer))
            broken << u"an answer from nowhere is offered: \"%1\""_s.arg(answer);
    const QString question = caption(u"Bezeichnung1"_s);
    if (!question.isEmpty() && !w.questions.contains(question))
        broken << u"the question shown came from nowhere: \"%1\""_s.arg(question);
    if (m.isVisible() && quiz.isQuizMode() && !questions.isEmpty() && question != questions[0])
        broken << u"the quiz shows \"%1\", not the catalogue's first question"_s.arg(question);
    if (!w.printer.pending.isEmpty())
        broken << u"a print job was begun and never ended"_s;
    return broken;
}

// A crash ends the run before any report: this leaves the seed and the action on stderr first,
// with async-signal-safe calls only.
QByteArray crashNote; // made before the run: the handler may not allocate
volatile long crashAction = 0;

void noteCrash()
{
    char digits[24];
    int first = 23;
    digits[first] = '\n';
    for (long rest = crashAction; first == 23 || rest != 0; rest /= 10)
        digits[--first] = char('0' + rest % 10);
    [[maybe_unused]] auto written =
            ::write(STDERR_FILENO, crashNote.constData(), size_t(crashNote.size()));
    written = ::write(STDERR_FILENO, digits + first, std::size_t(24 - first));
}

extern "C" void noteCrashAndDie(int signal)
{
    noteCrash();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

QtMessageHandler qtHandler = nullptr;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    bool ok = false;
    std::uint64_t seed = qEnvironmentVariable("MERKBOLD_SOAK_SEED").toULongLong(&ok);
    seed = ok ? seed : std::random_device()() * 0x100000000ull + std::random_device()();
    const long chosen = qEnvironmentVariable("MERKBOLD_SOAK_ACTIONS").toLong(&ok);
    const long total = ok && chosen > 0 ? chosen : 1000000;
    std::cout << "soak: seed " << seed << ", " << total << " actions" << std::endl;
    crashNote = "\nsoak: seed " + QByteArray::number(quint64(seed)) + " crashed in action ";
#ifdef MERKBOLD_SOAK_SANITIZED // the sanitizers report invalid accesses themselves, then die
    __sanitizer_set_death_callback(noteCrash);
    for (const int signal : {SIGABRT})
#else
    for (const int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
#endif
        std::signal(signal, noteCrashAndDie);
    // Two notes that would fill the log: the offscreen platform's on every raise of the about
    // box, and Qt's on every file name holding a NUL (a junk question typed as a name).
    qtHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message != u"This plugin does not support raise()"_s
                    && message != u"Broken filename passed to function"_s)
                    qtHandler(type, context, message);
            });

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    dice.engine.seed(seed);
    World world;
    world.dialogs.questionShown = [&world] {
        return control<QLabel>(world.main(), u"Bezeichnung1"_s)->text();
    };
    for (const StandardPair &pair : standardPairs)
        world.know(QString::fromUtf16(pair.question), QString::fromUtf16(pair.answer));
    for (const QString &name : fileNames)
        world.writeFile(name, catalogueFile());
    writeSettingsFile(settingsFileName.toString(), {u"tiere.txt"_s, 1, 1}); // printing allowed
    world.start();

    std::deque<QString> trace; // the last actions and their boxes, latest last
    int runs = 1;
    for (long action = 1; action <= total; ++action) {
        crashAction = action;
        // Now and then the printer has gone or refuses a job.
        world.printer.outcomes = {PrintOutcome::Done,
                                  dice.chance(0.5) ? PrintOutcome::NoPrinter
                                                   : PrintOutcome::Refused};
        if (dice.chance(0.8))
            world.printer.outcomes.clear();
        const int endsBefore = world.ends;
        world.dialogs.quitYes = 0;
        world.dialogs.shown.clear();
        QString what;
        while (what.isEmpty()) // an action that cannot be done now did nothing
            what = dice.pick(actions)(world);
        QCoreApplication::processEvents();
        trace.push_back(u"%1: %2"_s.arg(action).arg(what));
        trace.insert(trace.end(), world.dialogs.shown.begin(), world.dialogs.shown.end());
        while (trace.size() > 40)
            trace.pop_front();
        if (const QStringList broken = brokenRules(world, world.ends - endsBefore);
            !broken.isEmpty()) {
            std::cerr << "soak: seed " << seed << ", action " << action << " broke:\n  "
                      << broken.join(u"\n  "_s).toStdString() << "\nafter these, latest last:\n  ";
            std::cerr << QStringList(trace.begin(), trace.end()).join(u'\n').toStdString();
            std::cerr << "\nreplay: MERKBOLD_SOAK_SEED=" << seed
                      << " MERKBOLD_SOAK_ACTIONS=" << action << " merkbold_soak\n";
            return 1;
        }
        world.printer.jobs.clear(); // a million actions would pile them up
        world.clipboard.calls.clear();
        if (world.ends > endsBefore) {
            world.start();
            ++runs;
        }
    }
    std::cout << "soak: " << total << " actions in " << runs << " run(s), all rules held\n";
    return 0;
}
