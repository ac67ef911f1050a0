#pragma once

#include "QtPrinters.h"
#include "RecordingClipboard.h"
#include "RecordingPrinter.h"
#include "ScriptedDialogs.h"
#include "SequenceRandom.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "editor/Form2.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// A whole program as a user meets it, with scripted boxes, a predictable random source and a
// fresh working folder of its own.
class ProgramFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(workDir.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        prepareWorkDir();
        program = std::make_unique<Program>(Services{dialogs, random, printer, clipboard});
        program->start();
    }

    void TearDown() override
    {
        program.reset();
        QDir::setCurrent(m_previousDir);
    }

    // Runs before the program starts, in its working folder: the files a test wants there.
    virtual void prepareWorkDir() {}

    void writeWorkFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(workDir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Lets the one-shot start-up timer run, as the event loop would 100 ms after start-up.
    void runStartupTimer()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !main().Zeit1->isActive(); }, 5000));
    }

    Form1 &main() { return program->form1(); }
    Form2 &editor() { return program->form2(); }

    // A key as the user presses it: it goes to whatever has the focus in the main window.
    void press(Qt::Key key)
    {
        QWidget *target = main().focusWidget() ? main().focusWidget() : &main();
        QTest::keyClick(target, key);
    }

    void click(QWidget *button) { QTest::mouseClick(button, Qt::LeftButton); }

    QString question() { return main().Bezeichnung1->text(); }
    QString answer() { return main().Bezeichnung2->text(); }
    QStringList catalogueQuestions() { return editor().Liste1->texts(); }
    QStringList catalogueAnswers() { return editor().Liste2->texts(); }
    QStringList choices() { return main().Liste2->texts(); }

    // Pages with the arrow keys until the right answer is shown, then confirms with Enter.
    void answerRightByKeyboard()
    {
        const QString right = editor().Liste2->text(0);
        for (int step = 0; step <= main().Liste2->count() && answer() != right; ++step)
            press(Qt::Key_Right);
        ASSERT_EQ(answer(), right);
        press(Qt::Key_Return);
    }

    QTemporaryDir workDir;
    ScriptedDialogs dialogs;
    SequenceRandom random;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    std::unique_ptr<Program> program;

private:
    QString m_previousDir;
};
