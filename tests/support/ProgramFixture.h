// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtPrinters.h"
#include "RecordingClipboard.h"
#include "RecordingPrinter.h"
#include "RecordingSpeech.h"
#include "ScriptedDialogs.h"
#include "SequenceRandom.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "catalogue/TestFiles.h"
#include "editor/EditorWindow.h"
#include "platform/DirListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// A whole program as a user meets it, with scripted boxes, a predictable random source, a
// fresh working folder of its own and a folder of catalogue files beside it.
class ProgramFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(workDir.isValid());
        ASSERT_TRUE(catalogues.isValid());
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        prepareWorkDir();
        program = std::make_unique<Program>(Services{dialogs, random, printer, clipboard, speech});
        program->start();
    }

    void TearDown() override
    {
        program.reset();
        QDir::setCurrent(m_previousDir);
    }

    // Runs before the program starts, in its working folder: the files a test wants there.
    virtual void prepareWorkDir() { }

public:
    void writeWorkFile(const QString &name, const QByteArray &bytes)
    {
        putFile(workDir.filePath(name), bytes);
    }
    QStringList workDirEntries() const
    {
        return QDir(workDir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QString putCatalogue(const QString &name, const QByteArray &bytes)
    {
        putFile(catalogues.filePath(name), bytes);
        return catalogues.filePath(name);
    }
    // The main window's folder list goes to the catalogues; its file list follows.
    void showCatalogues() { main().folderList->setPath(catalogues.path()); }

    // Lets the one-shot start-up timer run, as the event loop would 100 ms after start-up.
    void runStartupTimer()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !main().startupTimer->isActive(); }, 5000));
    }

    MainWindow &main() { return program->mainWindow(); }
    EditorWindow &editor() { return program->editorWindow(); }

    // A key as the user presses it: it goes to whatever has the focus in the main window.
    void press(Qt::Key key)
    {
        QWidget *target = main().focusWidget() ? main().focusWidget() : &main();
        QTest::keyClick(target, key);
    }

    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickRow(ListBox &list, int row)
    {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }
    void doubleClickRow(ListBox &list, int row)
    {
        clickRow(list, row);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }

    QString question() { return main().questionDisplay->text(); }
    QString answer() { return main().answerDisplay->text(); }
    QStringList catalogueQuestions() { return editor().questionList->texts(); }
    QStringList catalogueAnswers() { return editor().answerList->texts(); }
    QStringList choices() { return main().choiceList->texts(); }
    // The quiz's counters as shown: right answers in this practice set, last choice row, browse
    // position, wrong answers, right answers.
    QStringList counters()
    {
        return {main().rightInSetLabel->text(), main().lastChoiceRowLabel->text(),
                main().browsePositionLabel->text(), main().wrongCountLabel->text(),
                main().rightCountLabel->text()};
    }
    // The selected rows of the catalogue's two lists and of the choice list.
    std::vector<int> listSelections()
    {
        return {editor().questionList->listIndex(), editor().answerList->listIndex(),
                main().choiceList->listIndex()};
    }
    QStringList sortedChoices()
    {
        QStringList texts = choices();
        texts.sort();
        return texts;
    }

    void setCatalogue(const QStringList &questions, const QStringList &answers)
    {
        editor().questionList->setTexts(questions);
        editor().answerList->setTexts(answers);
    }
    // "Frage i" / "Antwort i" for i from 0.
    void loadNumberedCatalogue(int pairs)
    {
        setCatalogue(numbered(QStringLiteral("Frage "), 0, pairs - 1),
                     numbered(QStringLiteral("Antwort "), 0, pairs - 1));
    }

    // Pages with the arrow keys until the right answer is shown, then confirms with Enter.
    void answerRightByKeyboard()
    {
        const QString right = editor().answerList->text(0);
        for (int step = 0; step <= main().choiceList->count() && answer() != right; ++step)
            press(Qt::Key_Right);
        ASSERT_EQ(answer(), right);
        press(Qt::Key_Return);
    }

    // The boxes that several windows show.
    void expectCountMessage(int pairs, const QString &title)
    {
        dialogs.expectMessage(
                QStringLiteral("Datensätze dieser Datei:   %1\rProgrammvoreinstellung:   10\r")
                        .arg(pairs),
                title);
    }
    void expectWrongAnswerMessage()
    {
        dialogs.expectMessage(QStringLiteral("Leider falsch, versuch's nochmal!\r"),
                              QStringLiteral("F e h l e r"));
    }
    void expectAllAnsweredMessage()
    {
        dialogs.expectMessage(QStringLiteral("Es wurden alle Fragen beantwortet.\r"),
                              QStringLiteral("Fragekatalog"));
    }
    void expectKeyboardMessage()
    {
        dialogs.expectMessage(QStringLiteral("Pfeiltasten zum Blättern\rEnter/Return für Eingabe\r"
                                             "Esc für das Programmende\rIns für den Moduswechsel\r"
                                             "F1 für dieses Hilfefenster\r"),
                              QStringLiteral("Tastaturbenutzung"));
    }

    QTemporaryDir workDir;
    QTemporaryDir catalogues;
    ScriptedDialogs dialogs;
    SequenceRandom random;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    RecordingSpeech speech;
    std::unique_ptr<Program> program;

private:
    static QPoint rowCentre(ListBox &list, int row)
    {
        EXPECT_GE(row, 0) << "no such row";
        list.doItemsLayout();
        return list.visualRect(list.model()->index(row, 0)).center();
    }

    QString m_previousDir;
};
