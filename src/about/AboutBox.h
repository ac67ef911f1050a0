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
class AboutBox : public QWidget
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

    Shape *frame = nullptr;               // frame behind the labels
    QLabel *okayButton = nullptr;         // "O k a y", used as a button
    QLabel *nameLetterZ = nullptr;        // "Z"
    QLabel *nameLetterE = nullptr;        // "E"
    QLabel *nameLetterL = nullptr;        // "L"
    QLabel *nameRest = nullptr;           // "- Merkbold"
    QLabel *usageNotice = nullptr;        // usage notice
    QLabel *makerLines = nullptr;         // maker lines
    QLabel *webAddress = nullptr;         // web-address line
    PictureButton *closeButton = nullptr; // "Abbruch"

    // Runs each time the box becomes the active window.
    void placeAndFill();
    void closeBox();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLabels();
    void placeOnScreen();
};
