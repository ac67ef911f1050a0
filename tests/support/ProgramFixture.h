// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Controls.h"
#include "Doubles.h"
#include "ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "editor/EditorWindow.h"
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/FileListBox.h"
#include "session/FilePanel.h"
#include "session/QuizProcedures.h"
#include "session/QuizState.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

// A whole program as a user meets it, with scripted boxes, a predictable random source, a
// fresh working folder of its own and a folder of catalogue files beside it.
class ProgramFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir::setCurrent(workDir.path()); // the next test sets its own
        prepareWorkDir();
        program = std::make_unique<Program>(Services{dialogs, random, printer, clipboard, speech});
        program->start();
    }
    // Runs before the program starts, in its working folder: the files a test wants there.
    virtual void prepareWorkDir() { }

public:
    QStringList workDirEntries() const
    {
        return QDir(workDir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // Lets the one-shot start-up timer run, as the event loop would 100 ms after start-up.
    void runStartupTimer()
    {
        ASSERT_TRUE(QTest::qWaitFor(
                [this] { return !control<QTimer>(main(), u"Zeit1"_s)->isActive(); }, 5000));
    }

    MainWindow &main() { return program->mainWindow(); }
    EditorWindow &editor() { return program->editorWindow(); }
    QuizState quiz() { return program->quizState(); }
    QLabel *label(const QString &name) { return control<QLabel>(main(), name); }
    ListBox &editorList(const QString &name) { return *control<ListBox>(editor(), name); }
    QLineEdit *input(const QString &name) { return control<QLineEdit>(editor(), name); }

    // A key as the user presses it: it goes to whatever has the focus in the main window.
    void press(Qt::Key key)
    {
        QTest::keyClick(main().focusWidget() ? main().focusWidget() : &main(), key);
    }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickRow(ListBox &list, qsizetype row, bool twice = false)
    {
        list.doItemsLayout();
        const QPoint centre = list.visualRect(list.model()->index(int(row), 0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
    }

    QString question() { return label(u"Bezeichnung1"_s)->text(); }
    QString answer() { return label(u"Bezeichnung2"_s)->text(); }
    QStringList catalogueQuestions() { return editorList(u"Liste1"_s).texts(); }
    QStringList catalogueAnswers() { return editorList(u"Liste2"_s).texts(); }
    QStringList choices() { return quiz().choices().texts(); }
    // The quiz's counters as shown: right answers in this practice set, last choice row, browse
    // position, wrong answers, right answers.
    QStringList counters()
    {
        QStringList shown;
        for (const char16_t *name :
             {u"Bezeichnung3", u"Bezeichnung4", u"Bezeichnung5", u"Bezeichnung8", u"Bezeichnung9"})
            shown << label(QString::fromUtf16(name))->text();
        return shown;
    }

    void setCatalogue(const QStringList &questions, const QStringList &answers)
    {
        program->catalogue().replace(questions, answers);
    }
    // "Frage i" / "Antwort i" for i from 0, and a practice set from them.
    void startNumberedCatalogue(int pairs)
    {
        setCatalogue(numbered(u"Frage "_s, 0, pairs - 1), numbered(u"Antwort "_s, 0, pairs - 1));
        QuizProcedures::buildPracticeSet(*program);
    }
    // Pages with the arrow keys until the right answer is shown, then confirms with Enter.
    void answerRightByKeyboard()
    {
        for (int step = 0; step <= choices().size() && answer() != catalogueAnswers()[0]; ++step)
            press(Qt::Key_Right);
        press(Qt::Key_Return);
    }

    // The editor as the password opens it; a file loaded there as a user does it.
    void openEditor()
    {
        main().hide();
        editor().show();
        editor().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    }
    // Types both halves and clicks "Eingaben sichern".
    void typePair(const QString &question, const QString &answer)
    {
        input(u"Text1"_s)->setText(question);
        input(u"Text2"_s)->setText(answer);
        click(button(editor(), u"Eingaben sichern"_s));
    }
    void loadInEditor(const QString &folder, const QString &name)
    {
        control<DirListBox>(editor(), u"Verzeichnis1"_s)->setPath(folder);
        click(button(editor(), u"Dateimenü"_s));
        auto *files = control<FileListBox>(editor(), u"Datei1"_s);
        clickRow(*files, files->texts().indexOf(name), true);
    }

    void expectCountMessage(qsizetype pairs, const QString &title)
    {
        dialogs.expectMessage(
                u"Datensätze dieser Datei:   %1\rProgrammvoreinstellung:   10\r"_s.arg(pairs),
                title);
    }

    QTemporaryDir workDir;
    QTemporaryDir catalogues;
    ScriptedDialogs dialogs;
    SequenceRandom random;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingSpeech speech;
    std::unique_ptr<Program> program; // last: it goes before the services it uses
};
