// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shape.h"

#include "Twips.h"

#include <QPainter>
#include <algorithm>

Shape::Shape(Style style, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_style(style), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setTwipsGeometry(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_height = height;
    setWidthTwips(width);
}

void Shape::setWidthTwips(double width)
{
    m_width = width;
    // A width below zero has nothing to draw; the value itself is kept as it is.
    setGeometry(Twips::toPixels(m_left), Twips::toPixels(m_top),
                std::max(0, Twips::toPixels(m_width)), Twips::toPixels(m_height));
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_style == Style::Filled) {
        painter.fillRect(rect(), m_colour);
        return;
    }
    painter.setPen(QPen(m_colour, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
