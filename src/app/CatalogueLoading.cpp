// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueLoading.h"

#include "MainWindow.h"
#include "QuizProcedures.h"
#include "Program.h"
#include "editor/EditorWindow.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/Shape.h"

using namespace Qt::StringLiterals;

namespace CatalogueLoading {

void startPractice(Program &program)
{
    MainWindow &main = program.mainWindow();
    EditorWindow &editor = program.editorWindow();
    // Rows that do not exist are refused, so an empty catalogue stays without a selection.
    editor.questionList->setListIndex(0);
    editor.answerList->setListIndex(0);
    main.choiceList->setListIndex(0);
    setCaptionValue(main.rightInSetLabel, 0);
    setCaptionValue(main.lastChoiceRowLabel, main.choiceList->count() - 1);
    setCaptionValue(main.browsePositionLabel, 0);
    main.progressBar->setWidthTwips(QuizProcedures::progressStart);
    setCaptionValue(main.wrongCountLabel, 0);
    setCaptionValue(main.rightCountLabel, 0);
    QuizProcedures::showFirstQuestion(program);
    QuizProcedures::refreshDisplay(program);
}

void report(Program &program, const QString &fileName, qsizetype pairCount,
            const QString &readError)
{
    Dialogs &dialogs = program.dialogs();
    // Without this a file that could not be read would only show as "0" records.
    if (!readError.isEmpty())
        dialogs.messageBox(readError + u'\r', MsgBox::OkOnly, u"Dateifehler"_s);
    // The count stands with a blank in the place of its sign.
    dialogs.messageBox(u"Datensätze dieser Datei:  "_s + u' ' + QString::number(pairCount) + u'\r'
                               + u"Programmvoreinstellung:   "_s
                               + program.mainWindow().questionCountLabel->text() + u'\r',
                       MsgBox::OkOnly, fileName.toUpper());
}

} // namespace CatalogueLoading
