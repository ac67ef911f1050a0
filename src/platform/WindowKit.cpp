// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowKit.h"

#include "BoundedLabel.h"
#include "Palette.h"
#include "PictureButton.h"
#include "SvgIcon.h"
#include "Twips.h"
#include "UiFont.h"

using namespace Qt::StringLiterals;

namespace WindowKit {

namespace {

QRect rectOf(const Place &place)
{
    return Twips::rect(place[0], place[1], place[2], place[3]);
}

// A style sheet rather than a palette: the labels' colours must hold whatever the style does.
QString styleSheet(QRgb text, QRgb background, bool border)
{
    QString style;
    if (text != Palette::inherited)
        style += u"color: %1;"_s.arg(QColor(text).name());
    if (background != Palette::inherited)
        style += u"background-color: %1;"_s.arg(QColor(background).name());
    if (border)
        style += u"border: 1px solid black;"_s;
    return style;
}

} // namespace

void setUpWindow(QWidget &window, const QString &objectName, const QString &title, int widthTwips,
                 int heightTwips, QRgb background)
{
    window.setObjectName(objectName);
    window.setWindowTitle(title);
    window.setWindowIcon(svgIcon(u"zel-merkbold"_s));
    window.setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::black, QColor(background)));
    window.setFont(uiFont());
}

BoundedLabel *makeControl(QWidget &window, const LabelLook &look)
{
    auto *label = new BoundedLabel(QString::fromUtf16(look.caption), &window);
    label->setObjectName(QLatin1String(look.objectName));
    label->setGeometry(rectOf(look.place));
    QFont font = uiFont(look.points);
    font.setBold(!look.traits.testFlag(LabelTrait::Regular));
    font.setItalic(look.traits.testFlag(LabelTrait::Italic));
    label->setFont(font);
    label->setStyleSheet(
            styleSheet(look.text, look.background, look.traits.testFlag(LabelTrait::Border)));
    label->setAlignment(look.alignment);
    label->setWordWrap(look.traits.testFlag(LabelTrait::WordWrap));
    label->setTextFormat(Qt::PlainText);
    label->setVisible(!look.traits.testFlag(LabelTrait::Hidden));
    return label;
}

PictureButton *makeControl(QWidget &window, const ButtonLook &look)
{
    auto *button =
            new PictureButton(QLatin1String(look.icon), QString::fromUtf16(look.toolTip), &window);
    button->setObjectName(QLatin1String(look.objectName));
    const QRect place = rectOf(look.place);
    button->setFixedSize(place.size());
    button->move(place.topLeft());
    return button;
}

ListBox *makeControl(QWidget &window, const ListLook &look)
{
    auto *list = new ListBox(look.order, &window);
    list->setObjectName(QLatin1String(look.objectName));
    list->setGeometry(rectOf(look.place));
    list->setStyleSheet(styleSheet(look.text, look.background, false));
    list->setAccessibleName(QString::fromUtf16(look.accessibleName));
    return list;
}

Shape *makeControl(QWidget &window, const ShapeLook &look)
{
    auto *shape = new Shape(look.style, QColor(look.colour), &window);
    shape->setObjectName(QLatin1String(look.objectName));
    shape->setTwipsGeometry(look.place[0], look.place[1], look.place[2], look.place[3]);
    return shape;
}

} // namespace WindowKit
