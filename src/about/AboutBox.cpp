// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include "platform/BoundedLabel.h"
#include "platform/Palette.h"
#include "platform/PictureButton.h"
#include "platform/WindowKit.h"

#include <QEvent>
#include <QScreen>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

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
    WindowKit::setUpWindow(*this, u"ZELLABEL"_s, u"Programm-Info"_s, 3510, 3450,
                           Palette::lightCyan);
    // Closing the box must never end the program, even when it is the last window shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    createControls();
}

void AboutBox::createControls()
{
    using namespace WindowKit;
    using namespace Palette;
    constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    // The frame behind the labels; the name runs across the top in four labels; notice, maker
    // lines and "O k a y" below it.
    // clang-format off
    makeAll<ShapeLook>(*this, {{"Figur1", Shape::Style::Outline, navy, {120, 120, 3255, 2895}}});
    makeAll<LabelLook>(*this, {
        {"Bezeichnung2", u"Z", {240, 240, 375, 615}, magenta, navy, 18, centred, LabelTrait::WordWrap},
        {"Bezeichnung3", u"E", {600, 240, 375, 615}, cyan, navy, 18, centred, LabelTrait::WordWrap},
        {"Bezeichnung4", u"L", {960, 240, 375, 615}, paleGreen, navy, 18, centred, LabelTrait::WordWrap},
        {"Bezeichnung5", u"- Merkbold", {1320, 240, 1935, 615}, white, navy, 18, left, LabelTrait::WordWrap},
    });
    makeInto<AboutBox, QLabel, LabelLook>(*this, {
        {&AboutBox::m_usageNotice, {"Bezeichnung6", u"", {240, 840, 3015, 855}, black, paleCyan, 8.25, left, LabelTrait::Regular | LabelTrait::WordWrap}},
        {&AboutBox::m_makerLines, {"Bezeichnung7", u"", {240, 1800, 3015, 495}, white, navy, 9.75, centred, LabelTrait::Regular | LabelTrait::WordWrap}},
        {&AboutBox::m_okayButton, {"Bezeichnung1", u"O k a y", {240, 2400, 2175, 495}, red, paleCyan, 18, centred, LabelTrait::Italic | LabelTrait::WordWrap}},
        {&AboutBox::m_webAddress, {"Bezeichnung8", u"", {120, 3120, 3255, 255}, inherited, inherited, 8.25, centred, LabelTrait::WordWrap}},
    });
    makeButtons<AboutBox>(*this, {{&AboutBox::hide, {"Bild1", "abbruch", u"Abbruch", {2400, 2400, 855, 495}}}});
    // clang-format on
    // The system's own colours, not the window's cyan.
    m_webAddress->setStyleSheet(u"background-color: palette(base); color: palette(text);"_s);
    m_okayButton->setCursor(Qt::PointingHandCursor);
    // Spelt out for the eye only: a screen reader would read the spaced letters one by one.
    m_okayButton->setAccessibleName(u"Okay"_s);
    m_okayButton->setAccessibleDescription(u"Schließt das Fenster"_s);
    m_okayButton->installEventFilter(this);
}

void AboutBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        placeAndFill();
    QWidget::changeEvent(event);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_okayButton && event->type() == QEvent::MouseButtonRelease) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// A box the user moved away jumps back to its place whenever it is activated again.
void AboutBox::placeAndFill()
{
    placeOnScreen();
    m_usageNotice->setText(usageNoticeText);
    m_makerLines->setText(makerLinesText);
    m_webAddress->setText(webAddressLine);
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
