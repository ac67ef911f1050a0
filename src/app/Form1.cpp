// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "MODUL1.h"
#include "Program.h"
#include "ProgramTitle.h"
#include "platform/Centring.h"
#include "platform/ListBox.h"
#include "platform/SvgIcon.h"
#include "platform/PictureButton.h"
#include "platform/Shape.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"
#include "platform/VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <array>

using namespace Qt::StringLiterals;

namespace {

struct ButtonPlace
{
    PictureButton *Form1::*button;
    const char *icon;
    const char16_t *toolTip;
    int left;
    int top;
};

// The fifteen picture buttons: two columns at the sides, one row along the bottom.
// clang-format off
constexpr std::array<ButtonPlace, 15> buttonPlaces{{
    {&Form1::Bild1, "beenden", u"Beenden", 120, 480},
    {&Form1::Bild12, "dateimenue", u"Dateimenü", 120, 1560},
    {&Form1::Bild10, "arbeitsmodus", u"Arbeitsmodus", 120, 2640},
    {&Form1::Bild15, "drucken", u"Drucken", 120, 3720},
    {&Form1::Bild11, "ablage", u"Ablage", 120, 4800},
    {&Form1::Bild7, "einstellung", u"Einstellung", 8040, 480},
    {&Form1::Bild5, "hilfetext", u"Hilfetext", 8040, 1560},
    {&Form1::Bild6, "loeschen", u"Löschen", 8040, 2640},
    {&Form1::Bild14, "autor", u"Autor", 8040, 3720},
    {&Form1::Bild4, "editor", u"Editor", 8040, 4800},
    {&Form1::Bild8, "fehler", u"Fehler", 840, 5520},
    {&Form1::Bild2, "zurueck", u"Zurück", 2760, 5520},
    {&Form1::Bild13, "eingabe", u"Eingabe", 4080, 5520},
    {&Form1::Bild3, "weiter", u"Weiter", 5400, 5520},
    {&Form1::Bild9, "loesungen", u"Lösungen", 7320, 5520},
}};
// clang-format on

struct LabelLook
{
    QLabel *Form1::*label;
    const char16_t *caption;
    std::array<int, 4> place; // left, top, width, height in twips
    const char *text;         // colours as #RRGGBB; "" for the window text colour
    const char *background;
    double pointSize;
    bool centred;
    bool wordWrap;
    bool border;
    bool visible;
};

// clang-format off
constexpr std::array<LabelLook, 11> labelLooks{{
    {&Form1::Bezeichnung1, u"Bezeichnung1", {840, 600, 6975, 2295}, "#000040", "#C0FFC0", 18, true, true, false, true},
    {&Form1::Bezeichnung2, u"Bezeichnung2", {840, 2880, 6975, 2295}, "#00FF00", "#C000C0", 18, true, true, false, true},
    {&Form1::Bezeichnung7, u"Quizmodus", {3480, 120, 1695, 375}, "#0000C0", "#80FFFF", 12, true, false, true, true},
    {&Form1::Bezeichnung8, u"0", {1440, 5640, 495, 255}, "", "#80FF80", 8.25, true, false, true, true},
    {&Form1::Bezeichnung9, u"0", {6720, 5640, 495, 255}, "", "#80FF80", 8.25, true, false, true, true},
    {&Form1::Bezeichnung10,
     u"Programm verwendet Standardfragen, bitte jetzt zuerst eine Datei über das Paket-Symbol auswählen und laden ...",
     {2040, 2400, 4695, 975}, "#FFFFFF", "#0000FF", 12, true, true, true, true},
    {&Form1::Bezeichnung11, u"Bezeichnung11", {9000, 600, 6975, 4575}, "", "#80FFFF", 9.75, false, true, true, true},
    {&Form1::Bezeichnung3, u"", {6120, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&Form1::Bezeichnung4, u"", {6600, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&Form1::Bezeichnung5, u"", {7080, 0, 375, 255}, "", "", 8.25, false, false, false, false},
    {&Form1::Bezeichnung6, u"10", {7560, 0, 375, 255}, "", "", 8.25, false, false, false, false},
}};
// clang-format on

QString styleSheetFor(const LabelLook &look)
{
    QString style;
    if (*look.text)
        style += u"color: %1;"_s.arg(QLatin1String(look.text));
    if (*look.background)
        style += u"background-color: %1;"_s.arg(QLatin1String(look.background));
    if (look.border)
        style += u"border: 1px solid black;"_s;
    return style;
}

} // namespace

Form1::Form1(Program &program) : QWidget(nullptr), m_program(program)
{
    setWindowTitle(programTitle);
    setWindowIcon(svgIcon(u"zel-merkbold"_s));
    setFixedSize(Twips::toPixels(8670), Twips::toPixels(6645));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, Qt::white));
    setFont(uiFont());
    setFocusPolicy(Qt::StrongFocus);
    createControls();
    describeStateLabels();
    wireEvents();
    wireCommands();
    wireCardOutput();
    setUpFileBrowser();
}

void Form1::createControls()
{
    createShapes();
    createLabels();
    for (const ButtonPlace &place : buttonPlaces) {
        auto *button = new PictureButton(QLatin1String(place.icon),
                                         QString::fromUtf16(place.toolTip), this);
        button->move(Twips::toPixels(place.left), Twips::toPixels(place.top));
        this->*place.button = button;
    }

    Bild16 = new QWidget(this);
    Bild16->setGeometry(Twips::rect(480, 1320, 4365, 5295));
    Bild16->setAutoFillBackground(true);
    Bild16->setPalette(QPalette(Qt::black, QColor(0xFF0000)));
    Bild16->hide();

    Liste2 = new ListBox(ListBox::Order::Sorted, this);
    Liste2->setGeometry(Twips::rect(9000, 120, 1575, 6465));
    Liste2->setStyleSheet(u"background-color: #FFC0C0;"_s);
    Liste2->setFocusPolicy(Qt::NoFocus);
    Liste2->setAccessibleName(u"Angebotene Antworten"_s);

    Zeit1 = new QTimer(this);
    Zeit1->setInterval(100);
}

void Form1::createShapes()
{
    Figur3 = new Shape(Shape::Style::Outline, Qt::black, this);
    Figur3->setTwipsGeometry(720, 360, 7215, 4935);
    Figur2 = new Shape(Shape::Style::Filled, QColor(0xC0FFC0), this);
    Figur2->setTwipsGeometry(0, 6360, 8655, 255);
    Figur1 = new Shape(Shape::Style::Filled, QColor(0xC000C0), this);
    Figur1->setTwipsGeometry(0, 6360, 135, 255);
}

void Form1::createLabels()
{
    for (const LabelLook &look : labelLooks) {
        auto *label = new QLabel(QString::fromUtf16(look.caption), this);
        label->setGeometry(Twips::rect(look.place[0], look.place[1], look.place[2], look.place[3]));
        label->setFont(uiFont(look.pointSize));
        label->setStyleSheet(styleSheetFor(look));
        label->setAlignment(look.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(look.wordWrap);
        label->setTextFormat(Qt::PlainText);
        label->setVisible(look.visible);
        this->*look.label = label;
    }
    Bezeichnung10->setCursor(Qt::PointingHandCursor);
    Bezeichnung10->installEventFilter(this);
}

void Form1::wireEvents()
{
    connect(Bild2, &PictureButton::clicked, this, &Form1::Bild2_Click);
    connect(Bild3, &PictureButton::clicked, this, &Form1::Bild3_Click);
    connect(Bild6, &PictureButton::clicked, this, &Form1::Bild6_Click);
    connect(Bild10, &PictureButton::clicked, this, &Form1::Bild10_Click);
    connect(Bild13, &PictureButton::clicked, this, &Form1::Bild13_Click);
    connect(Zeit1, &QTimer::timeout, this, &Form1::Zeit1_Timer);
    // The window sees every key before its controls do.
    qApp->installEventFilter(this);
}

void Form1::Form_Load()
{
    centreOnScreen(*this);
    MODUL1::StandardfragenLaden(m_program);
    Zeit1->start();
}

void Form1::Bezeichnung10_Click()
{
    Bezeichnung10->hide();
    Bild12_Click();
}

void Form1::Form_KeyDown(int keyCode)
{
    if (keyCode == VirtualKey::Escape)
        Bild1_Click();
    if (keyCode == VirtualKey::Left || keyCode == VirtualKey::Up)
        Bild2_Click();
    if (keyCode == VirtualKey::Right || keyCode == VirtualKey::Down)
        Bild3_Click();
    if (keyCode == VirtualKey::Enter || keyCode == VirtualKey::Execute)
        Bild13_Click();
    if (keyCode == VirtualKey::Insert)
        Bild10_Click();
    if (keyCode == VirtualKey::F1)
        Bild5_Click();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Bezeichnung10 && event->type() == QEvent::MouseButtonRelease) {
        Bezeichnung10_Click();
        return true;
    }
    if (watched == Bezeichnung11 && event->type() == QEvent::MouseButtonRelease) {
        Bezeichnung11_Click();
        return true;
    }
    // A key reaches first the focused control of this window, or the window itself; only that
    // first delivery counts, not the copies passed on to parents.
    if (event->type() == QEvent::KeyPress && isVisible()) {
        QWidget *firstReceiver = focusWidget() ? focusWidget() : this;
        if (watched == firstReceiver)
            Form_KeyDown(virtualKeyCode(static_cast<QKeyEvent *>(event)->key()));
    }
    return false;
}
