// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

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
    QLabel *AboutBox::*label;
    const char *name; // the control's object name
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
    {&AboutBox::nameLetterZ, "Bezeichnung2", u"Z", {240, 240, 375, 615}, "background-color: #000080; color: #FF00FF;", 18, true, false, true},
    {&AboutBox::nameLetterE, "Bezeichnung3", u"E", {600, 240, 375, 615}, "background-color: #000080; color: #00FFFF;", 18, true, false, true},
    {&AboutBox::nameLetterL, "Bezeichnung4", u"L", {960, 240, 375, 615}, "background-color: #000080; color: #80FF80;", 18, true, false, true},
    {&AboutBox::nameRest, "Bezeichnung5", u"- Merkbold", {1320, 240, 1935, 615}, "background-color: #000080; color: #FFFFFF;", 18, true, false, false},
    {&AboutBox::usageNotice, "Bezeichnung6", u"", {240, 840, 3015, 855}, "background-color: #C0FFFF; color: #000000;", 8.25, false, false, false},
    {&AboutBox::makerLines, "Bezeichnung7", u"", {240, 1800, 3015, 495}, "background-color: #000080; color: #FFFFFF;", 9.75, false, false, true},
    {&AboutBox::okayButton, "Bezeichnung1", u"O k a y", {240, 2400, 2175, 495}, "background-color: #C0FFFF; color: #FF0000;", 18, true, true, true},
    {&AboutBox::webAddress, "Bezeichnung8", u"", {120, 3120, 3255, 255}, "background-color: palette(base); color: palette(text);", 8.25, true, false, true},
}};
// clang-format on

const QString usageNoticeText =
        u"Frei für Schule und Zuhause: Du darfst dieses Programm kostenlos benutzen und weitergeben."_s;
const QString makerLinesText = u"ZEL-Merkbold-Projekt\r\nKontakt über die Projektseite"_s;
const QString webAddressLine = u"Lernkärtchen am Computer"_s;

} // namespace

QPointF aboutBoxTopLeft(const QSizeF &screen, const QSizeF &window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 4};
}

AboutBox::AboutBox(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(u"ZELLABEL"_s);
    setWindowTitle(u"Programm-Info"_s);
    setFixedSize(Twips::toPixels(3510), Twips::toPixels(3450));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black, QColor(0x80FFFF)));
    setFont(uiFont());
    // Closing the box must never end the program, even when it is the last window shown.
    setAttribute(Qt::WA_QuitOnClose, false);

    frame = new Shape(Shape::Style::Outline, QColor(0x000080), this);
    frame->setObjectName(u"Figur1"_s);
    frame->setTwipsGeometry(120, 120, 3255, 2895);
    createLabels();
    closeButton = new PictureButton(u"abbruch"_s, u"Abbruch"_s, this);
    closeButton->setObjectName(u"Bild1"_s);
    closeButton->setFixedSize(Twips::toPixels(855), Twips::toPixels(495));
    closeButton->move(Twips::toPixels(2400), Twips::toPixels(2400));
    connect(closeButton, &PictureButton::clicked, this, &AboutBox::closeBox);
}

void AboutBox::createLabels()
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
        label->setObjectName(QLatin1String(look.name));
        this->*look.label = label;
    }
    okayButton->setCursor(Qt::PointingHandCursor);
    // Spelt out for the eye only: a screen reader would read the spaced letters one by one.
    okayButton->setAccessibleName(u"Okay"_s);
    okayButton->setAccessibleDescription(u"Schließt das Fenster"_s);
    okayButton->installEventFilter(this);
}

void AboutBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        placeAndFill();
    QWidget::changeEvent(event);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == okayButton && event->type() == QEvent::MouseButtonRelease) {
        closeBox();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A box the user moved away jumps back to its place whenever it is activated again.
void AboutBox::placeAndFill()
{
    placeOnScreen();
    usageNotice->setText(usageNoticeText);
    makerLines->setText(makerLinesText);
    webAddress->setText(webAddressLine);
}

// The rule works on the outer size, frame and caption bar included.
void AboutBox::placeOnScreen()
{
    const QScreen *shownOn = screen();
    if (!shownOn)
        return;
    const QRect area = shownOn->geometry();
    const QPointF topLeft = aboutBoxTopLeft(area.size(), frameGeometry().size());
    move(area.topLeft() + QPoint(int(std::floor(topLeft.x())), int(std::floor(topLeft.y()))));
}

void AboutBox::closeBox()
{
    hide();
}
