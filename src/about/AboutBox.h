// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QWidget>

class QLabel;

// Top-left corner of the about box: centred across the screen, and a quarter of the free
// height down from the top. Both sizes in the same unit; fractions are kept.
QPointF aboutBoxTopLeft(const QSizeF &screen, const QSizeF &window);

// The about box: the program's name, how it may be used, and who makes it. Closing only hides
// it, so there is never more than one. Each activation places it anew and sets its texts.
class AboutBox : public QWidget
{
    Q_OBJECT

public:
    explicit AboutBox(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void placeAndFill();
    void placeOnScreen();

    QLabel *m_okayButton = nullptr;  // "O k a y", used as a button
    QLabel *m_usageNotice = nullptr; // how the program may be used
    QLabel *m_makerLines = nullptr;  // who makes it
    QLabel *m_webAddress = nullptr;  // web-address line
};
