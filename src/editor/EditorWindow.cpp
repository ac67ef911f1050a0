// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorWindow.h"

#include "catalogue/DroppedFile.h"
#include "platform/BoundedLabel.h"
#include "platform/Centring.h"
#include "platform/CheckBox.h"
#include "platform/Palette.h"
#include "platform/SingleLineValidator.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"
#include "platform/WindowKit.h"
#include "session/CatalogueDrop.h"
#include "session/FilePanel.h"
#include "session/ProgramTitle.h"
#include "session/Session.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <limits>

using namespace Qt::StringLiterals;

EditorWindow::EditorWindow(Session &session) : QWidget(nullptr), m_session(session)
{
    WindowKit::setUpWindow(*this, u"Form2"_s, programTitle, 8685, 6645, Palette::lightYellow);
    createControls();
}

// Back to front: the decoration first, the file panel and the layout list on top.
void EditorWindow::createControls()
{
    using namespace WindowKit;
    using namespace Palette;
    using Self = EditorWindow;
    constexpr Qt::Alignment plain = Qt::AlignLeft | Qt::AlignVCenter;
    // clang-format off
    // Bands around the button strip, the inputs and the lists, and the standard file's frame.
    makeAll<ShapeLook>(*this, {
        {"Figur1", Shape::Style::Outline, black, {0, 0, 8655, 735}},
        {"Figur3", Shape::Style::Outline, black, {0, 720, 8655, 2775}},
        {"Figur2", Shape::Style::Outline, black, {0, 3480, 8655, 3135}},
        {"Figur4", Shape::Style::Outline, black, {3720, 120, 2175, 495}},
    });
    makeAll<LabelLook>(*this, {
        {"Bezeichnung1", u"FRAGE:", {120, 960, 855, 255}, leafGreen, inherited, 8.25, plain, {}},
        {"Bezeichnung2", u"Antwort:", {120, 2280, 855, 255}, purple, inherited, 8.25, plain, {}},
    });
    makeInto<Self, QLabel, LabelLook>(*this, {
        {&Self::m_standardFileCaption, {"Bezeichnung3", u"Standarddatei:", {3720, 120, 1935, 255}, inherited, inherited, 8.25, plain, {}}},
        {&Self::m_standardFileName, {"Bezeichnung4", u"", {3720, 360, 1935, 255}, inherited, inherited, 8.25, plain, {}}},
    });
    createSettingsControls();
    createInputs();
    // The strip along the top and the column down the right side.
    makeButtons<Self>(*this, {
        {&Self::leaveToStandardQuestions, {"Bild1", "abbruch", u"Abbruch", {120, 120, 495, 495}}},
        {&Self::leaveWithCatalogue, {"Bild7", "abbruch-mit-laden", u"Abbruch mit Laden", {840, 120, 495, 495}}},
        {&Self::startNewCatalogue, {"Bild10", "neue-datei", u"Neue Datei", {1560, 120, 495, 495}}},
        {&Self::showHelp, {"Bild6", "hilfetext", u"Hilfetext", {2280, 120, 495, 495}}},
        {&Self::toggleFilePanel, {"Bild12", "dateimenue", u"Dateimenü", {3000, 120, 495, 495}}},
        {&Self::clearQuestion, {"Bild8", "frage-loeschen", u"Frage löschen", {8040, 1200, 495, 615}}},
        {&Self::addPair, {"Bild4", "eingaben-sichern", u"Eingaben sichern", {8040, 2040, 495, 495}}},
        {&Self::clearAnswer, {"Bild2", "antwort-loeschen", u"Antwort löschen", {8040, 2760, 495, 495}}},
        {&Self::deletePair, {"Bild11", "zeile-loeschen", u"Zeile löschen", {8040, 3720, 495, 495}}},
        {&Self::openLayoutListForPrinting, {"Bild5", "drucken", u"Drucken ...", {8040, 4440, 495, 495}}},
        {&Self::openLayoutListForCopying, {"Bild9", "ablage", u"Ablage ...", {8040, 5160, 495, 495}}},
        {&Self::saveCatalogue, {"Bild3", "listen-speichern", u"Listen speichern", {8040, 5880, 495, 495}}},
    });
    makeInto<Self, ListBox, ListLook>(*this, {
        {&Self::m_questionList, {"Liste1", ListBox::Order::AsAdded, {120, 3720, 7815, 1230}, leafGreen, inherited, u"Fragen"}},
        {&Self::m_answerList, {"Liste2", ListBox::Order::AsAdded, {120, 5160, 7815, 1230}, purple, inherited, u"Antworten"}},
        {&Self::m_layoutList, {"Liste3", ListBox::Order::AsAdded, {5400, 4440, 2655, 1230}, inherited, inherited, u"Ausgabeformate"}},
    });
    // clang-format on
    m_layoutList->hide();
    m_layoutList->setFont(uiFont(9.75));
    connect(m_questionList, &ListBox::rowClicked, this, &EditorWindow::followQuestionRow);
    connect(m_answerList, &ListBox::rowClicked, this, &EditorWindow::followAnswerRow);
    connect(m_questionList, &ListBox::rowDoubleClicked, this,
            [this] { takePairFrom(m_questionList); });
    connect(m_answerList, &ListBox::rowDoubleClicked, this, [this] { takePairFrom(m_answerList); });
    connect(m_layoutList, &ListBox::rowDoubleClicked, this, &EditorWindow::outputChosenLayout);
    for (QLabel *field : {m_standardFileCaption, m_standardFileName}) {
        field->setToolTip(u"Standarddatei"_s);
        field->setCursor(Qt::PointingHandCursor);
        field->installEventFilter(this);
    }
    createFilePanel();
    createHistory();
}

void EditorWindow::createInputs()
{
    struct InputLook
    {
        QLineEdit *EditorWindow::*member;
        const char *objectName;
        const char16_t *accessibleName;
        WindowKit::Place place;
        QRgb colour;
    };
    const InputLook looks[] = {
            {&EditorWindow::m_questionInput,
             "Text1",
             u"Frage",
             {120, 1200, 7815, 735},
             Palette::leafGreen},
            {&EditorWindow::m_answerInput,
             "Text2",
             u"Antwort",
             {120, 2520, 7815, 735},
             Palette::purple},
    };
    for (const InputLook &look : looks) {
        auto *input = new QLineEdit(this);
        input->setObjectName(QLatin1String(look.objectName));
        input->setGeometry(Twips::rect(look.place[0], look.place[1], look.place[2], look.place[3]));
        input->setStyleSheet(u"color: %1;"_s.arg(QColor(look.colour).name()));
        input->setAccessibleName(QString::fromUtf16(look.accessibleName));
        input->setValidator(new SingleLineValidator(input));
        // Qt would cut a text at 32767 characters, and a pair taken in and saved again with it.
        input->setMaxLength(std::numeric_limits<int>::max());
        this->*look.member = input;
    }
}

// The settings: "X" takes the standard file away; the switches hold their values as the
// settings file does.
void EditorWindow::createSettingsControls()
{
    auto *noStandardFile = new QPushButton(u"X"_s, this);
    noStandardFile->setObjectName(u"Befehl1"_s);
    noStandardFile->setGeometry(Twips::rect(5620, 120, 255, 470));
    noStandardFile->setStyleSheet(u"padding: 0px;"_s); // the style's margins leave no room
    noStandardFile->setToolTip(u"Keine Standarddatei"_s);
    noStandardFile->setAccessibleName(u"Keine Standarddatei"_s);
    connect(noStandardFile, &QPushButton::clicked, this, &EditorWindow::clearStandardFile);

    m_allowPrinting = new CheckBox(u" Ausdrucken erlauben"_s, this);
    m_allowPrinting->setObjectName(u"Kontroll1"_s);
    m_allowPrinting->setGeometry(Twips::rect(6240, 120, 2295, 255));
    m_allowPrinting->setValue(0);
    m_hideDrives = new CheckBox(u" Laufwerke abblenden"_s, this);
    m_hideDrives->setObjectName(u"Kontroll2"_s);
    m_hideDrives->setGeometry(Twips::rect(6240, 360, 2295, 255));
    m_hideDrives->setValue(1);
}

// Its own drive, folder and selection, independent of the main window's panel. A catalogue or
// a word list dropped on the window loads as a double-click in the file list does, also over
// the input boxes.
void EditorWindow::createFilePanel()
{
    m_filePanel =
            new FilePanel(Twips::rect(3000, 600, 5415, 3615),
                          {Twips::rect(120, 120, 2535, 315), Twips::rect(120, 640, 2535, 2790),
                           Twips::rect(2760, 120, 2535, 3345)},
                          m_session.dialogs(), this);
    m_filePanel->setObjectName(u"Bild13"_s);
    connect(m_filePanel, &FilePanel::fileDoubleClicked, this, &EditorWindow::loadSelectedFile);
    auto *drop =
            new CatalogueDrop(*this, {DroppedFileKind::Catalogue, DroppedFileKind::Spreadsheet},
                              m_session, [this](CatalogueReadResult read, const QString &name) {
                                  takeCatalogue(std::move(read), name);
                              });
    for (QLineEdit *input : {m_questionInput, m_answerInput})
        drop->passOnFrom(*input);
}

void EditorWindow::createHistory()
{
    m_history = new QUndoStack(this);
    const auto addShortcuts = [this](const QList<QKeySequence> &keys, void (EditorWindow::*act)()) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    addShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)}, &EditorWindow::undo);
    addShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            &EditorWindow::redo);
}

// A box that takes the keys itself does not get here; one that leaves them to the window still
// gets its own typing taken back.
void EditorWindow::undo()
{
    if (auto *input = qobject_cast<QLineEdit *>(focusWidget()))
        input->undo();
    else
        m_history->undo();
}

void EditorWindow::redo()
{
    if (auto *input = qobject_cast<QLineEdit *>(focusWidget()))
        input->redo();
    else
        m_history->redo();
}

void EditorWindow::load()
{
    centreOnScreen(*this);
    if (!m_filePanel->fileNames().isEmpty())
        m_filePanel->selectFile(0);
}

CatalogueLists EditorWindow::catalogue()
{
    return CatalogueLists(*m_questionList, *m_answerList, m_catalogueRecord);
}

SettingsControls EditorWindow::settings()
{
    return SettingsControls(*m_standardFileName, *m_allowPrinting, *m_hideDrives);
}

void EditorWindow::followQuestionRow()
{
    m_answerList->setCurrentRow(m_questionList->currentRow());
}

void EditorWindow::followAnswerRow()
{
    m_questionList->setCurrentRow(m_answerList->currentRow());
}

// A release of the mouse over the standard-file caption or name is their click.
bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == m_standardFileCaption || watched == m_standardFileName)) {
        makeSelectedFileStandard();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The editor's lists are the live catalogue: closing through the frame only hides the window
// and brings the quiz back with the catalogue as it stands, as "Abbruch mit Laden" does.
void EditorWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leaveWithCatalogue();
}
