// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZELLABEL.h"

#include "platform/PictureButton.h"
#include "platform/Shape.h"
#include "platform/Twips.h"
#include "platform/UiFont.h"

#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct LabelLook
{
    QLabel *ZELLABEL::*label;
    const char16_t *caption;
    std::array<int, 4> place; // left, top, width, height in twips
    const char *style;
    double pointSize;
    bool bold;
    bool italic;
    bool centred;
};

// The name runs across the top in four labels; notice, maker lines and "O k a y" below it.
// clang-format off
constexpr std::array<LabelLook, 8> labelLooks{{
    {&ZELLABEL::Bezeichnung2, u"Z", {240, 240, 375, 615}, "background-color: #000080; color: #FF00FF;", 18, true, false, true},
    {&ZELLABEL::Bezeichnung3, u"E", {600, 240, 375, 615}, "background-color: #000080; color: #00FFFF;", 18, true, false, true},
    {&ZELLABEL::Bezeichnung4, u"L", {960, 240, 375, 615}, "background-color: #000080; color: #80FF80;", 18, true, false, true},
    {&ZELLABEL::Bezeichnung5, u"- Merkbold", {1320, 240, 1935, 615}, "background-color: #000080; color: #FFFFFF;", 18, true, false, false},
    {&ZELLABEL::Bezeichnung6, u"", {240, 840, 3015, 855}, "background-color: #C0FFFF; color: #000000;", 8.25, false, false, false},
    {&ZELLABEL::Bezeichnung7, u"", {240, 1800, 3015, 495}, "background-color: #000080; color: #FFFFFF;", 9.75, false, false, true},
    {&ZELLABEL::Bezeichnung1, u"O k a y", {240, 2400, 2175, 495}, "background-color: #C0FFFF; color: #FF0000;", 18, true, true, true},
    {&ZELLABEL::Bezeichnung8, u"", {120, 3120, 3255, 255}, "background-color: palette(base); color: palette(text);", 8.25, true, false, true},
}};
// clang-format on

const QString usageNotice =
        u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s;
const QString makerLines = u"ZEL-Merkbold-Projekt\r\nKontakt über die Projektseite"_s;
const QString webAddressLine = u"Lernkärtchen am Computer"_s;

} // namespace

QPointF aboutBoxTopLeft(const QSizeF &screen, const QSizeF &window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 4};
}

ZELLABEL::ZELLABEL(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setWindowTitle(u"Programm-Info"_s);
    setFixedSize(Twips::toPixels(3510), Twips::toPixels(3450));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(0x80FFFF)));
    setFont(uiFont());
    // Closing the box must never end the program, even when it is the last window shown.
    setAttribute(Qt::WA_QuitOnClose, false);

    Figur1 = new Shape(Shape::Style::Outline, QColor(0x000080), this);
    Figur1->setTwipsGeometry(120, 120, 3255, 2895);
    createLabels();
    Bild1 = new PictureButton(u"abbruch"_s, u"Abbruch"_s, this);
    Bild1->setFixedSize(Twips::toPixels(855), Twips::toPixels(495));
    Bild1->move(Twips::toPixels(2400), Twips::toPixels(2400));
    connect(Bild1, &PictureButton::clicked, this, &ZELLABEL::Bild1_Click);
}

void ZELLABEL::createLabels()
{
    for (const LabelLook &look : labelLooks) {
        auto *label = new QLabel(QString::fromUtf16(look.caption), this);
        label->setGeometry(Twips::rect(look.place[0], look.place[1], look.place[2], look.place[3]));
        QFont font = uiFont(look.pointSize);
        font.setBold(look.bold);
        font.setItalic(look.italic);
        label->setFont(font);
        label->setStyleSheet(QLatin1String(look.style));
        label->setAlignment(look.centred ? Qt::AlignHCenter | Qt::AlignTop
                                         : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        this->*look.label = label;
    }
    Bezeichnung1->setCursor(Qt::PointingHandCursor);
    // Spelt out for the eye only: a screen reader would read the spaced letters one by one.
    Bezeichnung1->setAccessibleName(u"Okay"_s);
    Bezeichnung1->setAccessibleDescription(u"Schließt das Fenster"_s);
    Bezeichnung1->installEventFilter(this);
}

void ZELLABEL::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

bool ZELLABEL::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Bezeichnung1 && event->type() == QEvent::MouseButtonRelease) {
        Bezeichnung1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A box the user moved away jumps back to its place whenever it is activated again.
void ZELLABEL::Form_Activate()
{
    placeOnScreen();
    Bezeichnung6->setText(usageNotice);
    Bezeichnung7->setText(makerLines);
    Bezeichnung8->setText(webAddressLine);
}

// The rule works on the outer size, frame and caption bar included.
void ZELLABEL::placeOnScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->geometry();
    const QPointF topLeft = aboutBoxTopLeft(area.size(), frameGeometry().size());
    move(area.topLeft() + QPoint(int(std::floor(topLeft.x())), int(std::floor(topLeft.y()))));
}

void ZELLABEL::Bild1_Click()
{
    hide();
}

void ZELLABEL::Bezeichnung1_Click()
{
    Bild1_Click();
}
