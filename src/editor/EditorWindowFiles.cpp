// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's own file panel: loading a catalogue file into the editor (a dropped catalogue or
// word list too), choosing the standard file the main window loads at start-up, and emptying
// the catalogue for a new one.
#include "EditorWindow.h"

#include "ReplaceCatalogueCommand.h"
#include "catalogue/CatalogueFile.h"
#include "platform/ListBox.h"
#include "quiz/QuizRules.h"
#include "services/Dialogs.h"
#include "session/FilePanel.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"

#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

using namespace Qt::StringLiterals;

// The editor's panel always shows all three lists, whatever the main window's switch says.
void EditorWindow::toggleFilePanel()
{
    m_filePanel->setVisible(m_filePanel->isHidden());
}

void EditorWindow::loadSelectedFile()
{
    if (std::optional<CatalogueReadResult> read = m_filePanel->readSelectedCatalogue())
        takeCatalogue(std::move(*read), m_filePanel->selectedName());
}

// Unlike the main window's load, the answers go into the choice list in its own alphabetical
// order, and the main window keeps its caption. A word list gives its pairs as a catalogue
// would; saving it writes a catalogue file under a name the user types.
void EditorWindow::takeCatalogue(CatalogueReadResult read, const QString &fileName)
{
    m_filePanel->hide();
    CatalogueLists::Snapshot before = catalogue().snapshot();
    const qsizetype pairCount = read.pairs.questions.size();
    QuizState quiz = m_session.quizState();
    quiz.choices().clear();
    quiz.choices().addTexts(QuizRules::firstAnswers(read.pairs.answers, quiz.questionCount()));
    catalogue().replace(std::move(read.pairs.questions), std::move(read.pairs.answers));
    m_catalogueEdited = false;

    QuizProcedures::startPractice(m_session);
    m_history->push(new ReplaceCatalogueCommand(catalogue(), std::move(before), m_catalogueEdited));
    QuizProcedures::reportLoad(m_session, fileName, pairCount, read.error);
}

// The file list keeps its selection while the panel is hidden, so this works with the panel
// closed too. Without a selected file nothing changes.
void EditorWindow::makeSelectedFileStandard()
{
    const QString selected = m_filePanel->selectedName();
    if (!selected.isEmpty())
        m_standardFileName->setText(selected.toUpper());
}

void EditorWindow::clearStandardFile()
{
    m_standardFileName->clear();
    m_filePanel->clearSelection();
}

// No file is created or deleted: the catalogue is emptied for a new one to be typed and saved.
// The main window's choice list and counters stay until the editor is left.
void EditorWindow::startNewCatalogue()
{
    const BoxAnswer answer = m_session.dialogs().messageBox(
            u"Eine neue Datei anlegen?\r"_s,
            BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault, u"ZEL-Fragen"_s);
    if (answer == BoxAnswer::No)
        return;
    CatalogueLists::Snapshot before = catalogue().snapshot();
    m_questionInput->clear();
    m_answerInput->clear();
    catalogue().replace({}, {});
    m_catalogueEdited = true;
    m_history->push(new ReplaceCatalogueCommand(catalogue(), std::move(before), m_catalogueEdited));
}
