// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorWindow.h"

#include "session/FilePanel.h"
#include "session/Session.h"
#include "session/ProgramTitle.h"
#include "platform/Centring.h"
#include "platform/CheckBox.h"
#include "platform/DirListBox.h"
#include "platform/DriveListBox.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "platform/SvgIcon.h"
#include "platform/PictureButton.h"
#include "platform/Shape.h"
#include "platform/SingleLineValidator.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// Left, top, width and height in twips.
using Place = std::array<int, 4>;

QRect rectOf(const Place &place)
{
    return Twips::rect(place[0], place[1], place[2], place[3]);
}

struct ButtonLook
{
    PictureButton *EditorWindow::*button;
    const char *name; // the control's object name
    const char *icon;
    const char16_t *toolTip;
    Place place;
};

// The strip along the top and the column down the right side.
// clang-format off
constexpr std::array<ButtonLook, 12> buttonLooks{{
    {&EditorWindow::cancelButton, "Bild1", "abbruch", u"Abbruch", {120, 120, 495, 495}},
    {&EditorWindow::returnButton, "Bild7", "abbruch-mit-laden", u"Abbruch mit Laden", {840, 120, 495, 495}},
    {&EditorWindow::newCatalogueButton, "Bild10", "neue-datei", u"Neue Datei", {1560, 120, 495, 495}},
    {&EditorWindow::helpButton, "Bild6", "hilfetext", u"Hilfetext", {2280, 120, 495, 495}},
    {&EditorWindow::fileMenuButton, "Bild12", "dateimenue", u"Dateimenü", {3000, 120, 495, 495}},
    {&EditorWindow::clearQuestionButton, "Bild8", "frage-loeschen", u"Frage löschen", {8040, 1200, 495, 615}},
    {&EditorWindow::addPairButton, "Bild4", "eingaben-sichern", u"Eingaben sichern", {8040, 2040, 495, 495}},
    {&EditorWindow::clearAnswerButton, "Bild2", "antwort-loeschen", u"Antwort löschen", {8040, 2760, 495, 495}},
    {&EditorWindow::deletePairButton, "Bild11", "zeile-loeschen", u"Zeile löschen", {8040, 3720, 495, 495}},
    {&EditorWindow::printLayoutButton, "Bild5", "drucken", u"Drucken ...", {8040, 4440, 495, 495}},
    {&EditorWindow::copyLayoutButton, "Bild9", "ablage", u"Ablage ...", {8040, 5160, 495, 495}},
    {&EditorWindow::saveButton, "Bild3", "listen-speichern", u"Listen speichern", {8040, 5880, 495, 495}},
}};
// clang-format on

struct LabelLook
{
    QLabel *EditorWindow::*label;
    const char *name; // the control's object name
    const char16_t *caption;
    const char16_t *toolTip; // also what a screen reader gives as description; empty for none
    Place place;
    const char *colour; // #RRGGBB, "" for the window's text colour
};

// clang-format off
constexpr std::array<LabelLook, 4> labelLooks{{
    {&EditorWindow::questionCaption, "Bezeichnung1", u"FRAGE:", u"", {120, 960, 855, 255}, "#00C000"},
    {&EditorWindow::answerCaption, "Bezeichnung2", u"Antwort:", u"", {120, 2280, 855, 255}, "#C000C0"},
    {&EditorWindow::standardFileCaption, "Bezeichnung3", u"Standarddatei:", u"Standarddatei", {3720, 120, 1935, 255}, ""},
    {&EditorWindow::standardFileName, "Bezeichnung4", u"", u"Standarddatei", {3720, 360, 1935, 255}, ""},
}};
// clang-format on

struct InputLook
{
    QLineEdit *EditorWindow::*input;
    const char *name; // the control's object name
    const char16_t *accessibleName;
    Place place;
    const char *colour;
};

// clang-format off
constexpr std::array<InputLook, 2> inputLooks{{
    {&EditorWindow::questionInput, "Text1", u"Frage", {120, 1200, 7815, 735}, "#00C000"},
    {&EditorWindow::answerInput, "Text2", u"Antwort", {120, 2520, 7815, 735}, "#C000C0"},
}};
// clang-format on

struct ShapeLook
{
    Shape *EditorWindow::*shape;
    const char *name; // the control's object name
    Place place;
};

// clang-format off
constexpr std::array<ShapeLook, 4> shapeLooks{{
    {&EditorWindow::buttonBand, "Figur1", {0, 0, 8655, 735}},
    {&EditorWindow::inputBand, "Figur3", {0, 720, 8655, 2775}},
    {&EditorWindow::listBand, "Figur2", {0, 3480, 8655, 3135}},
    {&EditorWindow::standardFileFrame, "Figur4", {3720, 120, 2175, 495}},
}};
// clang-format on

} // namespace

EditorWindow::EditorWindow(Session &session) : QWidget(nullptr), m_session(session)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(programTitle);
    setWindowIcon(svgIcon(u"zel-merkbold"_s));
    setFixedSize(Twips::toPixels(8685), Twips::toPixels(6645));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(255, 255, 224)));
    setFont(uiFont());
    createControls();
}

// Back to front: the decoration first, the file panel and the layout list on top.
void EditorWindow::createControls()
{
    createShapes();
    createLabels();
    createInputs();
    createButtons();

    questionList = new ListBox(ListBox::Order::AsAdded, this);
    questionList->setObjectName(u"Liste1"_s);
    questionList->setGeometry(Twips::rect(120, 3720, 7815, 1230));
    questionList->setStyleSheet(u"color: #00C000;"_s);
    questionList->setAccessibleName(u"Fragen"_s);
    answerList = new ListBox(ListBox::Order::AsAdded, this);
    answerList->setObjectName(u"Liste2"_s);
    answerList->setGeometry(Twips::rect(120, 5160, 7815, 1230));
    answerList->setStyleSheet(u"color: #C000C0;"_s);
    answerList->setAccessibleName(u"Antworten"_s);
    connect(questionList, &ListBox::rowClicked, this, &EditorWindow::followQuestionRow);
    connect(answerList, &ListBox::rowClicked, this, &EditorWindow::followAnswerRow);

    layoutList = new ListBox(ListBox::Order::AsAdded, this);
    layoutList->setObjectName(u"Liste3"_s);
    layoutList->setGeometry(Twips::rect(5400, 4440, 2655, 1230));
    layoutList->setAccessibleName(u"Ausgabeformate"_s);
    layoutList->hide();

    createFilePanel();
    wireEditing();
    wireLayoutOutput();
    wireFiles();
    wireSaving();
    setUpLayoutList();
    wireLeaving();
}

void EditorWindow::createShapes()
{
    for (const ShapeLook &look : shapeLooks) {
        auto *shape = new Shape(Shape::Style::Outline, Qt::black, this);
        shape->setTwipsGeometry(look.place[0], look.place[1], look.place[2], look.place[3]);
        shape->setObjectName(QLatin1String(look.name));
        this->*look.shape = shape;
    }
}

void EditorWindow::createLabels()
{
    for (const LabelLook &look : labelLooks) {
        auto *label = new QLabel(QString::fromUtf16(look.caption), this);
        label->setGeometry(rectOf(look.place));
        label->setTextFormat(Qt::PlainText);
        if (*look.colour)
            label->setStyleSheet(u"color: %1;"_s.arg(QLatin1String(look.colour)));
        label->setToolTip(QString::fromUtf16(look.toolTip));
        label->setObjectName(QLatin1String(look.name));
        this->*look.label = label;
    }

    noStandardFileButton = new QPushButton(u"X"_s, this);
    noStandardFileButton->setObjectName(u"Befehl1"_s);
    noStandardFileButton->setGeometry(Twips::rect(5620, 120, 255, 470));
    noStandardFileButton->setStyleSheet(
            u"padding: 0px;"_s); // the style's margins leave no room for the "X"
    noStandardFileButton->setToolTip(u"Keine Standarddatei"_s);
    noStandardFileButton->setAccessibleName(u"Keine Standarddatei"_s);

    allowPrinting = new CheckBox(u" Ausdrucken erlauben"_s, this);
    allowPrinting->setObjectName(u"Kontroll1"_s);
    allowPrinting->setGeometry(Twips::rect(6240, 120, 2295, 255));
    allowPrinting->setValue(0);
    hideDrives = new CheckBox(u" Laufwerke abblenden"_s, this);
    hideDrives->setObjectName(u"Kontroll2"_s);
    hideDrives->setGeometry(Twips::rect(6240, 360, 2295, 255));
    hideDrives->setValue(1);
}

void EditorWindow::createInputs()
{
    for (const InputLook &look : inputLooks) {
        auto *input = new QLineEdit(this);
        input->setGeometry(rectOf(look.place));
        input->setStyleSheet(u"color: %1;"_s.arg(QLatin1String(look.colour)));
        input->setAccessibleName(QString::fromUtf16(look.accessibleName));
        input->setValidator(new SingleLineValidator(input));
        // Qt would cut a text at 32767 characters, and a pair taken in and saved again with it.
        input->setMaxLength(std::numeric_limits<int>::max());
        input->setObjectName(QLatin1String(look.name));
        this->*look.input = input;
    }
}

void EditorWindow::createButtons()
{
    for (const ButtonLook &look : buttonLooks) {
        auto *button =
                new PictureButton(QLatin1String(look.icon), QString::fromUtf16(look.toolTip), this);
        const QRect place = rectOf(look.place);
        button->setFixedSize(place.size());
        button->move(place.topLeft());
        button->setObjectName(QLatin1String(look.name));
        this->*look.button = button;
    }
}

// Its own drive, folder and selection, independent of the main window's panel.
void EditorWindow::createFilePanel()
{
    filePanel = new FilePanel(Twips::rect(3000, 600, 5415, 3615),
                              {Twips::rect(120, 120, 2535, 315), Twips::rect(120, 640, 2535, 2790),
                               Twips::rect(2760, 120, 2535, 3345)},
                              m_session.dialogs(), this);
    filePanel->setObjectName(u"Bild13"_s);
    driveList = filePanel->drives;
    folderList = filePanel->folders;
    fileList = filePanel->files;
}

void EditorWindow::load()
{
    centreOnScreen(*this);
    if (fileList->count() > 0)
        fileList->setCurrentRow(0);
}

CatalogueLists EditorWindow::catalogue()
{
    return CatalogueLists(*questionList, *answerList, m_pairsUsedUp);
}

void EditorWindow::followQuestionRow()
{
    answerList->setCurrentRow(questionList->currentRow());
}

void EditorWindow::followAnswerRow()
{
    questionList->setCurrentRow(answerList->currentRow());
}

// The editor's lists are the live catalogue: closing through the frame only hides the window
// and brings the quiz back with the catalogue as it stands, as "Abbruch mit Laden" does.
void EditorWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    leaveWithCatalogue();
}
