// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real windows into the states the README shows, by the same keys and clicks a user
// gives, and saves a picture of each: the main window at start, with the help panel open, the
// about box, the editor's file panel, the editor with a catalogue loaded and one pair taken
// into the input boxes, and the question that offers a PDF file when there is no printer.
// The boxes on the way are answered at once and listed on the output.
//
// Usage: screenshot_tour OUTPUT_FOLDER CATALOGUE_FILE
// Run it in a working folder that holds the catalogue file and no settings file, so the start
// is the one a new user sees; QT_SCALE_FACTOR sets the scale of the pictures.
#include "about/AboutBox.h"
#include "app/Program.h"
#include "desktop/DesktopServices.h"
#include "desktop/QtDialogs.h"
#include "app/MainWindow.h"
#include "editor/EditorWindow.h"
#include "services/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"
#include "support/Controls.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// A failed step ends the tour: a picture of the wrong state is worse than none.
[[noreturn]] void fail(const QString &why)
{
    out() << "screenshot_tour: " << why << Qt::endl;
    std::exit(1);
}

void require(bool condition, const QString &why)
{
    if (!condition)
        fail(why);
}

// OK for a notice, No for a question (so nothing is ended or emptied on the way), and for
// the password whatever `typed` gives. A box whose title is `shownTitle` comes up for real
// and is handed to `picture` while it is open, then answered with its default button.
class AnsweringDialogs final : public Dialogs
{
public:
    std::function<QString()> typed;
    QString shownTitle;
    std::function<void(QWidget &)> picture;

    BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) override
    {
        if (title == shownTitle && picture) {
            QTimer::singleShot(500, [this] {
                QWidget *box = QApplication::activeModalWidget();
                require(box != nullptr, u"the box did not come up"_s);
                picture(*box);
                QTest::keyClick(box, Qt::Key_Escape);
            });
            log(title, prompt, u"Nein"_s);
            return m_shown.messageBox(prompt, style, title);
        }
        const bool question = style.testFlag(BoxStyle::YesNo);
        log(title, prompt, question ? u"Nein"_s : u"OK"_s);
        return question ? BoxAnswer::No : BoxAnswer::Ok;
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &) override
    {
        const QString text = typed ? typed() : QString();
        log(title, prompt, text);
        return text;
    }

private:
    QtDialogs m_shown;

    static void log(const QString &title, QString prompt, const QString &answer)
    {
        prompt.replace(u'\r', u" / "_s);
        out() << "  box \"" << title << "\": " << prompt << " -> " << answer << Qt::endl;
    }
};

// Lets the window take in what was done and paint it.
void settle()
{
    QTest::qWait(300);
}

void save(QWidget &window, const QDir &folder, const QString &name)
{
    require(QTest::qWaitForWindowExposed(&window), name + u": the window was not shown"_s);
    settle();
    const QPixmap picture = window.grab();
    const QString path = folder.filePath(name + u".png"_s);
    require(picture.save(path), u"cannot write "_s + path);
    out() << path << ": " << picture.width() << " x " << picture.height() << " pixels" << Qt::endl;
}

// A key goes to the focused control of the window, or to the window itself.
void press(QWidget &window, Qt::Key key)
{
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, key);
}

QPoint rowCentre(ListBox &list, int row)
{
    list.doItemsLayout();
    return list.visualRect(list.model()->index(row, 0)).center();
}

void clickRow(ListBox &list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

void doubleClickRow(ListBox &list, int row)
{
    clickRow(list, row);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

void visitMainWindow(MainWindow &main, const QDir &folder)
{
    require(QTest::qWaitFor([&] { return !control<QTimer>(main, u"Zeit1"_s)->isActive(); }, 5000),
            u"the start-up timer did not run"_s);
    save(main, folder, u"hauptfenster"_s);

    press(main, Qt::Key_F1);
    require(control<QLabel>(main, u"Bezeichnung11"_s)->x()
                    == control<QLabel>(main, u"Bezeichnung1"_s)->x(),
            u"F1 did not open the help panel"_s);
    save(main, folder, u"hilfe"_s);
    press(main, Qt::Key_F1);
}

void visitAboutBox(Program &program, const QDir &folder)
{
    QTest::mouseClick(button(program.mainWindow(), u"Autor"_s), Qt::LeftButton);
    AboutBox &about = program.aboutBox();
    require(QTest::qWaitForWindowActive(&about), u"the about box did not come up"_s);
    save(about, folder, u"programm-info"_s);
    QTest::mouseClick(button(about, u"Abbruch"_s), Qt::LeftButton);
}

void visitEditor(Program &program, const QDir &folder, const QString &catalogue)
{
    QTest::mouseClick(button(program.mainWindow(), u"Editor"_s), Qt::LeftButton);
    EditorWindow &editor = program.editorWindow();
    require(editor.isVisible(), u"the password was refused"_s);

    QTest::mouseClick(button(editor, u"Dateimenü"_s), Qt::LeftButton);
    ListBox &files = *control<ListBox>(editor, u"Datei1"_s);
    const int row = int(files.texts().indexOf(catalogue));
    require(row >= 0, catalogue + u" is not in the editor's file list"_s);
    clickRow(files, row);
    save(editor, folder, u"dateiauswahl"_s);
    doubleClickRow(files, row);
    ListBox &questions = program.catalogue().questions();
    require(questions.count() > 1, catalogue + u" did not load"_s);
    doubleClickRow(questions, 1);
    save(editor, folder, u"editor"_s);
}

// Without a printer (Xvfb has none) a layout printed from the editor offers a PDF file instead.
void visitPdfQuestion(EditorWindow &editor, AnsweringDialogs &dialogs, const QDir &folder)
{
    bool shown = false;
    dialogs.shownTitle = u"Drucken"_s;
    dialogs.picture = [&](QWidget &box) {
        save(box, folder, u"pdf-frage"_s);
        shown = true;
    };
    QTest::mouseClick(button(editor, u"Drucken ..."_s), Qt::LeftButton);
    doubleClickRow(*control<ListBox>(editor, u"Liste3"_s), 0);
    require(shown, u"no printer question came up"_s);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    describeApplication();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
        fail(u"usage: screenshot_tour OUTPUT_FOLDER CATALOGUE_FILE"_s);
    const QDir folder(arguments[1]);
    require(folder.exists(), arguments[1] + u" does not exist"_s);

    DesktopServices desktop;
    AnsweringDialogs dialogs;
    Program program({dialogs, desktop.random, desktop.printer, desktop.clipboard, desktop.speech});
    // The password is the question on display; a user reads it off the window and types it.
    dialogs.typed = [&program] {
        return control<QLabel>(program.mainWindow(), u"Bezeichnung1"_s)->text();
    };
    program.start();

    visitMainWindow(program.mainWindow(), folder);
    visitAboutBox(program, folder);
    visitEditor(program, folder, arguments[2]);
    visitPdfQuestion(program.editorWindow(), dialogs, folder);
    return 0;
}
