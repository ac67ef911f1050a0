// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPanel.h"

#include "platform/Palette.h"
#include "platform/UiFont.h"

using namespace Qt::StringLiterals;

namespace {

QString helpText()
{
    return u"Dieses Programm benutzt du wie deine Lernkärtchen in einem Frage-Antwort-Spiel, nur dass dein Partner hier der Computer ist. "_s
           u"Du kannst damit Englisch üben oder beliebige Sachthemen für eine beliebige Arbeit."_s
           u"\r"_s
           u"Mit Klick auf das Steuerungssymbol stellst du den Modus ein: Du kannst lernen oder Quizfragen beantworten."_s
           u"\r"_s
           u"Mit dem Roboter kannst du deinen Schwierigkeitsgrad einstellen: Wie viele verschiedene Fragen sollen zugleich geübt werden? "_s
           u"Es sind 10 Fragen voreingestellt, du kannst aber auch andere Zahlen zwischen 10 und 50 eingeben."_s
           u"\r"_s
           u"Mit dem Paket kannst du Quizdateien laden, mit dem Drucker werden sie ausgedruckt und mit dem Knochen werden sie nicht "_s
           u"verbuddelt, sondern in die Zwischenablage kopiert."_s
           u"\r"_s
           u"Bei diesem Programm gibt es kein Belohnungsspiel, der Lohn besteht aus der Erkenntnis, dass du etwas kannst "_s
           u"und gelernt hast. Mit einem Partner zu üben macht aber noch mehr Spaß!"_s
           u"\r"_s
           u"\r"_s
           u"  << Klicke HIER oder auf HILFE, um das Fenster zu schließen >>"_s;
}

} // namespace

HelpPanel::HelpPanel(const QRect &closedPlace, int openX, QWidget *parent)
    : QLabel(parent), m_closedX(closedPlace.x()), m_openX(openX)
{
    setGeometry(closedPlace);
    setFont(uiFont(9.75));
    setStyleSheet(u"background-color: %1;border: 1px solid black;"_s.arg(
            QColor(Palette::lightCyan).name()));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // The help text breaks its lines at lone carriage returns. A plain label draws those as
    // blanks; laid out as a text document they end the line. Without focus nothing can be
    // selected, so the panel still reads and clicks like a plain label.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    // A screen reader would take the caption for the name, and until the first opening that is
    // the label's own name; the help text itself is heard as the description.
    setAccessibleName(u"Hilfetext"_s);
}

void HelpPanel::open()
{
    setText(helpText());
    setAccessibleDescription(text());
    move(m_openX, y());
}

void HelpPanel::close()
{
    move(m_closedX, y());
}
