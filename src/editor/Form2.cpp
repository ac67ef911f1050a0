// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form2.h"

#include "app/FilePanel.h"
#include "app/Program.h"
#include "app/ProgramTitle.h"
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
    PictureButton *Form2::*button;
    const char *icon;
    const char16_t *toolTip;
    Place place;
};

// The strip along the top and the column down the right side.
// clang-format off
constexpr std::array<ButtonLook, 12> buttonLooks{{
    {&Form2::Bild1, "abbruch", u"Abbruch", {120, 120, 495, 495}},
    {&Form2::Bild7, "abbruch-mit-laden", u"Abbruch mit Laden", {840, 120, 495, 495}},
    {&Form2::Bild10, "neue-datei", u"Neue Datei", {1560, 120, 495, 495}},
    {&Form2::Bild6, "hilfetext", u"Hilfetext", {2280, 120, 495, 495}},
    {&Form2::Bild12, "dateimenue", u"Dateimenü", {3000, 120, 495, 495}},
    {&Form2::Bild8, "frage-loeschen", u"Frage löschen", {8040, 1200, 495, 615}},
    {&Form2::Bild4, "eingaben-sichern", u"Eingaben sichern", {8040, 2040, 495, 495}},
    {&Form2::Bild2, "antwort-loeschen", u"Antwort löschen", {8040, 2760, 495, 495}},
    {&Form2::Bild11, "zeile-loeschen", u"Zeile löschen", {8040, 3720, 495, 495}},
    {&Form2::Bild5, "drucken", u"Drucken ...", {8040, 4440, 495, 495}},
    {&Form2::Bild9, "ablage", u"Ablage ...", {8040, 5160, 495, 495}},
    {&Form2::Bild3, "listen-speichern", u"Listen speichern", {8040, 5880, 495, 495}},
}};
// clang-format on

struct LabelLook
{
    QLabel *Form2::*label;
    const char16_t *caption;
    const char16_t *toolTip; // also what a screen reader gives as description; empty for none
    Place place;
    const char *colour; // #RRGGBB, "" for the window's text colour
};

// clang-format off
constexpr std::array<LabelLook, 4> labelLooks{{
    {&Form2::Bezeichnung1, u"FRAGE:", u"", {120, 960, 855, 255}, "#00C000"},
    {&Form2::Bezeichnung2, u"Antwort:", u"", {120, 2280, 855, 255}, "#C000C0"},
    {&Form2::Bezeichnung3, u"Standarddatei:", u"Standarddatei", {3720, 120, 1935, 255}, ""},
    {&Form2::Bezeichnung4, u"", u"Standarddatei", {3720, 360, 1935, 255}, ""},
}};
// clang-format on

struct InputLook
{
    QLineEdit *Form2::*input;
    const char16_t *accessibleName;
    Place place;
    const char *colour;
};

// clang-format off
constexpr std::array<InputLook, 2> inputLooks{{
    {&Form2::Text1, u"Frage", {120, 1200, 7815, 735}, "#00C000"},
    {&Form2::Text2, u"Antwort", {120, 2520, 7815, 735}, "#C000C0"},
}};
// clang-format on

struct ShapeLook
{
    Shape *Form2::*shape;
    Place place;
};

// clang-format off
constexpr std::array<ShapeLook, 4> shapeLooks{{
    {&Form2::Figur1, {0, 0, 8655, 735}},
    {&Form2::Figur3, {0, 720, 8655, 2775}},
    {&Form2::Figur2, {0, 3480, 8655, 3135}},
    {&Form2::Figur4, {3720, 120, 2175, 495}},
}};
// clang-format on

} // namespace

Form2::Form2(Program &program) : QWidget(nullptr), m_program(program)
{
    setWindowTitle(programTitle);
    setWindowIcon(svgIcon(u"zel-merkbold"_s));
    setFixedSize(Twips::toPixels(8685), Twips::toPixels(6645));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(255, 255, 224)));
    setFont(uiFont());
    createControls();
}

// Back to front: the decoration first, the file panel and the layout list on top.
void Form2::createControls()
{
    createShapes();
    createLabels();
    createInputs();
    createButtons();

    Liste1 = new ListBox(ListBox::Order::AsAdded, this);
    Liste1->setGeometry(Twips::rect(120, 3720, 7815, 1230));
    Liste1->setStyleSheet(u"color: #00C000;"_s);
    Liste1->setAccessibleName(u"Fragen"_s);
    Liste2 = new ListBox(ListBox::Order::AsAdded, this);
    Liste2->setGeometry(Twips::rect(120, 5160, 7815, 1230));
    Liste2->setStyleSheet(u"color: #C000C0;"_s);
    Liste2->setAccessibleName(u"Antworten"_s);
    connect(Liste1, &ListBox::Click, this, &Form2::Liste1_Click);
    connect(Liste2, &ListBox::Click, this, &Form2::Liste2_Click);

    Liste3 = new ListBox(ListBox::Order::AsAdded, this);
    Liste3->setGeometry(Twips::rect(5400, 4440, 2655, 1230));
    Liste3->setAccessibleName(u"Ausgabeformate"_s);
    Liste3->hide();

    createFilePanel();
    wireEditing();
    wireLayoutOutput();
    wireFiles();
    wireSaving();
    setUpLayoutList();
    wireLeaving();
}

void Form2::createShapes()
{
    for (const ShapeLook &look : shapeLooks) {
        auto *shape = new Shape(Shape::Style::Outline, Qt::black, this);
        shape->setTwipsGeometry(look.place[0], look.place[1], look.place[2], look.place[3]);
        this->*look.shape = shape;
    }
}

void Form2::createLabels()
{
    for (const LabelLook &look : labelLooks) {
        auto *label = new QLabel(QString::fromUtf16(look.caption), this);
        label->setGeometry(rectOf(look.place));
        label->setTextFormat(Qt::PlainText);
        if (*look.colour)
            label->setStyleSheet(u"color: %1;"_s.arg(QLatin1String(look.colour)));
        label->setToolTip(QString::fromUtf16(look.toolTip));
        this->*look.label = label;
    }

    Befehl1 = new QPushButton(u"X"_s, this);
    Befehl1->setGeometry(Twips::rect(5620, 120, 255, 470));
    Befehl1->setStyleSheet(u"padding: 0px;"_s); // the style's margins leave no room for the "X"
    Befehl1->setToolTip(u"Keine Standarddatei"_s);
    Befehl1->setAccessibleName(u"Keine Standarddatei"_s);

    Kontroll1 = new CheckBox(u" Ausdrucken erlauben"_s, this);
    Kontroll1->setGeometry(Twips::rect(6240, 120, 2295, 255));
    Kontroll1->setValue(0);
    Kontroll2 = new CheckBox(u" Laufwerke abblenden"_s, this);
    Kontroll2->setGeometry(Twips::rect(6240, 360, 2295, 255));
    Kontroll2->setValue(1);
}

void Form2::createInputs()
{
    for (const InputLook &look : inputLooks) {
        auto *input = new QLineEdit(this);
        input->setGeometry(rectOf(look.place));
        input->setStyleSheet(u"color: %1;"_s.arg(QLatin1String(look.colour)));
        input->setAccessibleName(QString::fromUtf16(look.accessibleName));
        input->setValidator(new SingleLineValidator(input));
        this->*look.input = input;
    }
}

void Form2::createButtons()
{
    for (const ButtonLook &look : buttonLooks) {
        auto *button =
                new PictureButton(QLatin1String(look.icon), QString::fromUtf16(look.toolTip), this);
        const QRect place = rectOf(look.place);
        button->setFixedSize(place.size());
        button->move(place.topLeft());
        this->*look.button = button;
    }
}

// Its own drive, folder and selection, independent of the main window's panel.
void Form2::createFilePanel()
{
    Bild13 = new QWidget(this);
    Bild13->setGeometry(Twips::rect(3000, 600, 5415, 3615));
    FilePanel::paintPanel(*Bild13);
    Bild13->hide();

    const FilePanel::Lists lists = FilePanel::createLists(*Bild13, Twips::rect(120, 120, 2535, 315),
                                                          Twips::rect(120, 640, 2535, 2790),
                                                          Twips::rect(2760, 120, 2535, 3345));
    Laufwerk1 = lists.drives;
    Verzeichnis1 = lists.folders;
    Datei1 = lists.files;

    connect(Laufwerk1, &DriveListBox::Change, this, &Form2::Laufwerk1_Change);
    connect(Verzeichnis1, &DirListBox::Change, this, &Form2::Verzeichnis1_Change);
}

void Form2::Laufwerk1_Change()
{
    FilePanel::followDrive(*Laufwerk1, *Verzeichnis1, m_program.dialogs());
}

void Form2::Verzeichnis1_Change()
{
    Datei1->setPath(Verzeichnis1->path());
}

void Form2::Form_Load()
{
    centreOnScreen(*this);
    if (Datei1->count() > 0)
        Datei1->setListIndex(0);
}

void Form2::Liste1_Click()
{
    Liste2->setListIndex(Liste1->listIndex());
}

void Form2::Liste2_Click()
{
    Liste1->setListIndex(Liste2->listIndex());
}

// The editor's lists are the live catalogue: closing through the frame only hides the window
// and brings the quiz back with the catalogue as it stands, as "Abbruch mit Laden" does.
void Form2::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Bild7_Click();
}
