// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A rectangle drawn on a window: filled (bars) or outlined (frames). Its width is kept in
// twips as a real number, because a bar grows by fractions of a twip per step.
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum class Style { Filled, Outline };

    Shape(Style style, const QColor &colour, QWidget *parent);

    void setTwipsGeometry(double left, double top, double width, double height);
    double widthTwips() const { return m_width; }
    void setWidthTwips(double width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Style m_style;
    QColor m_colour;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
};
