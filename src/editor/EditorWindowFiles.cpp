// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's own file panel: loading a catalogue file into the editor, also one dropped on
// the window or a word list from a spreadsheet program, choosing the standard file the main
// window loads at start-up, and emptying the catalogue for a new one.
#include "EditorWindow.h"

#include "quiz/QuizRules.h"
#include "session/FilePanel.h"
#include "session/QuizProcedures.h"
#include "session/Session.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/SpreadsheetFile.h"
#include "services/Dialogs.h"
#include "platform/FileDrop.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/PictureButton.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const std::initializer_list<DroppedFileKind> takenFiles{DroppedFileKind::Catalogue,
                                                        DroppedFileKind::Spreadsheet};

} // namespace

void EditorWindow::wireFiles()
{
    connect(fileMenuButton, &PictureButton::clicked, this, &EditorWindow::toggleFilePanel);
    connect(fileList, &FileListBox::rowDoubleClicked, this, &EditorWindow::loadSelectedFile);
    connect(noStandardFileButton, &QPushButton::clicked, this, &EditorWindow::clearStandardFile);
    connect(newCatalogueButton, &PictureButton::clicked, this, &EditorWindow::startNewCatalogue);
    for (QLabel *field : {standardFileCaption, standardFileName}) {
        field->setCursor(Qt::PointingHandCursor);
        field->installEventFilter(this);
    }
    setAcceptDrops(true);
    // The input boxes take dropped text, and a file manager's drag may carry the path as text
    // too: a file the window takes must go past them to the window.
    for (QLineEdit *input : {questionInput, answerInput})
        input->installEventFilter(this);
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == standardFileCaption || watched == standardFileName) {
            makeSelectedFileStandard();
            return true;
        }
    }
    // Declining the drag here lets Qt offer it to the window next.
    if (event->type() == QEvent::DragEnter && (watched == questionInput || watched == answerInput)
        && takeFileDrop(static_cast<QDropEvent *>(event), takenFiles).kind
                != DroppedFileKind::Refused) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The editor's panel always shows all three lists, whatever the main window's switch says.
void EditorWindow::toggleFilePanel()
{
    filePanel->setVisible(filePanel->isHidden());
}

void EditorWindow::loadSelectedFile()
{
    const int selected = fileList->currentRow();
    if (selected < 0) {
        filePanel->hide();
        return;
    }
    takeCatalogue(readCatalogueFile(fileList->filePath(selected)), fileList->text(selected));
}

namespace {

CatalogueReadResult readCatalogueOrWordList(const DroppedFile &file)
{
    return file.kind == DroppedFileKind::Spreadsheet ? readSpreadsheetFile(file.path)
                                                     : readCatalogueFile(file.path);
}

} // namespace

// Unlike the main window's load, the answers go into the choice list in its own alphabetical
// order, and the main window keeps its caption. A word list gives its pairs as a catalogue
// would; saving it writes a catalogue file under a name the user types.
void EditorWindow::takeCatalogue(CatalogueReadResult read, const QString &fileName)
{
    filePanel->hide();
    const qsizetype pairCount = read.pairs.questions.size();
    QuizState quiz = m_session.quizState();
    quiz.choices().clear();
    quiz.choices().addTexts(QuizRules::firstAnswers(read.pairs.answers, quiz.questionCount()));
    catalogue().replace(std::move(read.pairs.questions), std::move(read.pairs.answers));
    m_catalogueEdited = false;

    QuizProcedures::startPractice(m_session);
    QuizProcedures::reportLoad(m_session, fileName, pairCount, read.error);
}

void EditorWindow::dragEnterEvent(QDragEnterEvent *event)
{
    takeFileDrop(event, takenFiles);
}

void EditorWindow::dragMoveEvent(QDragMoveEvent *event)
{
    takeFileDrop(event, takenFiles);
}

// The load's message box waits for the user; the file manager must not wait with it for the
// drop to end.
void EditorWindow::dropEvent(QDropEvent *event)
{
    const DroppedFile file = takeFileDrop(event, takenFiles);
    if (event->isAccepted())
        QMetaObject::invokeMethod(
                this,
                [this, file] {
                    CatalogueReadResult read = readCatalogueOrWordList(file);
                    if (!QuizProcedures::refuseUnreadableDrop(m_session, read.error))
                        takeCatalogue(std::move(read), file.name);
                },
                Qt::QueuedConnection);
}

// The file list keeps its selection while the panel is hidden, so this works with the panel
// closed too. Without a selected file nothing changes.
void EditorWindow::makeSelectedFileStandard()
{
    const int selected = fileList->currentRow();
    if (selected >= 0)
        standardFileName->setText(fileList->text(selected).toUpper());
}

void EditorWindow::clearStandardFile()
{
    standardFileName->clear();
    fileList->setCurrentRow(-1);
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
    questionInput->clear();
    answerInput->clear();
    catalogue().replace({}, {});
    m_catalogueEdited = true;
}
