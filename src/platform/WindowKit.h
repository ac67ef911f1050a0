// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListBox.h"
#include "PictureButton.h"
#include "Shape.h"

#include <QFlags>
#include <QRgb>
#include <QString>

#include <array>
#include <initializer_list>

class BoundedLabel;
class QWidget;

// What the windows are built from: the frame of a window set up in one call, and its labels,
// picture buttons, lists and shapes made from rows of a table, placed in twips. A window's
// table names, for each row, the member that keeps the control; the kit puts it there.
namespace WindowKit {

// Left, top, width and height in twips.
using Place = std::array<int, 4>;

// The object name, the title, the fixed client size, the background and the interface font;
// the program's icon.
void setUpWindow(QWidget &window, const QString &objectName, const QString &title, int widthTwips,
                 int heightTwips, QRgb background);

enum class LabelTrait {
    Regular = 1 << 0, // not bold, as every other text of the program is
    Italic = 1 << 1,
    WordWrap = 1 << 2,
    Border = 1 << 3, // a thin black line around it
    Hidden = 1 << 4,
};
Q_DECLARE_FLAGS(LabelTraits, LabelTrait)

// Colours Palette::inherited keep the window's.
struct LabelLook
{
    const char *objectName;
    const char16_t *caption;
    Place place;
    QRgb text;
    QRgb background;
    double points;
    Qt::Alignment alignment;
    LabelTraits traits;
};

struct ButtonLook
{
    const char *objectName;
    const char *icon;
    const char16_t *toolTip; // also its name for a screen reader
    Place place;
};

struct ListLook
{
    const char *objectName;
    ListBox::Order order;
    Place place;
    QRgb text;
    QRgb background;
    const char16_t *accessibleName;
};

struct ShapeLook
{
    const char *objectName;
    Shape::Style style;
    QRgb colour;
    Place place;
};

BoundedLabel *makeControl(QWidget &window, const LabelLook &look);
PictureButton *makeControl(QWidget &window, const ButtonLook &look);
ListBox *makeControl(QWidget &window, const ListLook &look);
Shape *makeControl(QWidget &window, const ShapeLook &look);

// One row of a window's table: the look of a control and the member that keeps it.
template<typename Window, typename Control, typename Look>
struct Row
{
    Control *Window::*member;
    Look look;
};

// A picture button and the window's command its click runs; nothing else refers to it.
template<typename Window>
struct Command
{
    void (Window::*handler)();
    ButtonLook look;
};

// Each of these makes its controls in the order given, which is also their order from back to
// front. The rows keep each control in its member:
template<typename Window, typename Control, typename Look>
void makeInto(Window &window, std::initializer_list<Row<Window, Control, Look>> rows)
{
    for (const Row<Window, Control, Look> &row : rows)
        window.*row.member = makeControl(window, row.look);
}

// controls that nothing refers to afterwards, frames and fixed captions:
template<typename Look>
void makeAll(QWidget &window, std::initializer_list<Look> looks)
{
    for (const Look &look : looks)
        makeControl(window, look);
}

// and the picture buttons, each wired to its command.
template<typename Window>
void makeButtons(Window &window, std::initializer_list<Command<Window>> commands)
{
    for (const Command<Window> &command : commands)
        QObject::connect(makeControl(window, command.look), &PictureButton::clicked, &window,
                         command.handler);
}

} // namespace WindowKit

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowKit::LabelTraits)
