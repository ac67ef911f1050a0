// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel: a large label that lies beside the window while closed and over the
// question area while open. Its position is the only record of which it is.
#include "MainWindow.h"
#include "Program.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"

#include <QLabel>

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

const QString keyboardPrompt = u"Pfeiltasten zum Blättern\r"
                               u"Enter/Return für Eingabe\r"
                               u"Esc für das Programmende\r"
                               u"Ins für den Moduswechsel\r"
                               u"F1 für dieses Hilfefenster\r"_s;

} // namespace

// The panel jumps in and out at once rather than sliding: the keyboard message opens
// together with it, and a half-way panel would be neither open nor closed.
void MainWindow::toggleHelp()
{
    if (helpPanel->x() == choiceList->x()) {
        helpPanel->setText(helpText());
        helpPanel->move(questionDisplay->x(), helpPanel->y());
        m_program.dialogs().messageBox(keyboardPrompt, MsgBox::OkOnly, u"Tastaturbenutzung"_s);
    } else {
        helpPanel->move(choiceList->x(), helpPanel->y());
    }
}

void MainWindow::closeHelp()
{
    helpPanel->move(choiceList->x(), helpPanel->y());
}
