// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizProcedures.h"

#include "CatalogueLoading.h"
#include "MainWindow.h"
#include "Program.h"
#include "WorkMode.h"
#include "catalogue/StandardPairs.h"
#include "editor/EditorWindow.h"
#include "platform/Caption.h"
#include "platform/ListBox.h"

namespace QuizProcedures {

void loadStandardQuestions(Program &program)
{
    EditorWindow &editor = program.editorWindow();
    MainWindow &main = program.mainWindow();
    editor.questionList->clear();
    editor.answerList->clear();
    main.choiceList->clear();
    for (const StandardPair &pair : standardPairs) {
        editor.questionList->addText(QString::fromUtf16(pair.question));
        editor.answerList->addText(QString::fromUtf16(pair.answer));
        main.choiceList->addText(QString::fromUtf16(pair.answer));
    }
    // From here on the reset is what every freshly loaded catalogue goes through.
    CatalogueLoading::startPractice(program);
}

void showFirstQuestion(Program &program)
{
    program.mainWindow().questionDisplay->setText(program.editorWindow().questionList->text(0));
}

void refreshDisplay(Program &program)
{
    MainWindow &main = program.mainWindow();
    const EditorWindow &editor = program.editorWindow();
    if (WorkMode::isQuiz(main.workModeLabel)) {
        const int position = captionInt(main.browsePositionLabel);
        main.answerDisplay->setText(main.choiceList->text(position));
    }
    if (WorkMode::isLearn(main.workModeLabel)) {
        const int row = editor.answerList->listIndex();
        main.questionDisplay->setText(editor.questionList->text(row));
        main.answerDisplay->setText(editor.answerList->text(row));
    }
}

} // namespace QuizProcedures
