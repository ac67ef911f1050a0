// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QWidget>

class PictureButton;
class QLabel;
class Shape;

// Top-left corner of the about box: centred across the screen, and a quarter of the free
// height down from the top. Both sizes in the same unit; fractions are kept.
QPointF aboutBoxTopLeft(const QSizeF &screen, const QSizeF &window);

// The about box: the program's name, how it may be used, and who makes it. Closing only hides
// it, so there is never more than one.
class ZELLABEL : public QWidget
{
    Q_OBJECT

public:
    explicit ZELLABEL(QWidget *parent = nullptr);

    Shape *Figur1 = nullptr;        // frame behind the labels
    QLabel *Bezeichnung1 = nullptr; // "O k a y", used as a button
    QLabel *Bezeichnung2 = nullptr; // "Z"
    QLabel *Bezeichnung3 = nullptr; // "E"
    QLabel *Bezeichnung4 = nullptr; // "L"
    QLabel *Bezeichnung5 = nullptr; // "- Merkbold"
    QLabel *Bezeichnung6 = nullptr; // usage notice
    QLabel *Bezeichnung7 = nullptr; // maker lines
    QLabel *Bezeichnung8 = nullptr; // web-address line
    PictureButton *Bild1 = nullptr; // "Abbruch"

    // Runs each time the box becomes the active window.
    void Form_Activate();
    void Bild1_Click();
    void Bezeichnung1_Click();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLabels();
    void placeOnScreen();
};
