// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz itself: building practice sets, judging answers, paging, the work mode.
#include "Form1.h"
#include "MODUL1.h"
#include "Program.h"
#include "ProgramTitle.h"
#include "WorkMode.h"
#include "editor/Form2.h"
#include "platform/Caption.h"
#include "platform/Dialogs.h"
#include "platform/ListBox.h"
#include "platform/RandomSource.h"
#include "platform/Shape.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Right answers of one practice set together grow the bar by this many twips.
constexpr double progressSpan = 8900;

void increment(QLabel *counter)
{
    setCaptionValue(counter, captionValue(counter) + 1);
}

} // namespace

// The answers of the first N pairs go into the choice list at random rows. A new answer is
// never put behind the last row, so the answer of the first question always ends up last,
// one "Zurück" away from the start.
void Form1::AuswahlBilden()
{
    RandomSource &random = m_program.random();
    const ListBox *answers = m_program.form2().Liste2;
    random.reseedFromClock();
    setCaptionValue(Bezeichnung3, 0);
    Liste2->clear();
    const double wanted = captionValue(Bezeichnung6);
    int taken = 0;
    for (int i = 0; i < answers->count(); ++i) {
        const int row = int(std::floor(i * random.next()));
        Liste2->insertText(row, answers->text(i));
        ++taken;
        if (taken >= wanted)
            break;
    }
    Form2 &editor = m_program.form2();
    if (editor.Liste1->count() > 0) {
        editor.Liste1->setListIndex(0);
        editor.Liste2->setListIndex(0);
        Liste2->setListIndex(0);
        setCaptionValue(Bezeichnung3, 0);
        setCaptionValue(Bezeichnung4, Liste2->count() - 1);
        setCaptionValue(Bezeichnung5, 0);
        Figur1->setWidthTwips(MODUL1::progressStart);
        MODUL1::ErsteFrageZeigen(m_program);
        MODUL1::AnzeigeAktualisieren(m_program);
    }
}

void Form1::Bild13_Click()
{
    if (WorkMode::isLearn(Bezeichnung7))
        return;
    Form2 &editor = m_program.form2();
    if (Bezeichnung2->text() != editor.Liste2->text(0)) {
        m_program.dialogs().messageBox(u"Leider falsch, versuch's nochmal!\r"_s, MsgBox::OkOnly,
                                       u"F e h l e r"_s);
        increment(Bezeichnung8);
        return;
    }
    if (editor.Liste1->count() > 0) {
        editor.Liste1->removeText(0);
        editor.Liste2->removeText(0);
        increment(Bezeichnung3);
        if (captionValue(Bezeichnung3) >= captionValue(Bezeichnung6))
            AuswahlBilden();
    }
    Bezeichnung1->setText(editor.Liste1->text(0));
    increment(Bezeichnung9);
    // An empty choice list leaves nothing to divide the span by; the bar then stays put.
    const double steps = captionValue(Bezeichnung4) + 1;
    if (steps != 0)
        Figur1->setWidthTwips(Figur1->widthTwips() + progressSpan / steps);
    if (editor.Liste1->count() == 0) {
        m_program.dialogs().messageBox(u"Es wurden alle Fragen beantwortet.\r"_s, MsgBox::OkOnly,
                                       u"Fragekatalog"_s);
        Bezeichnung10->show();
        MODUL1::StandardfragenLaden(m_program);
        MODUL1::ErsteFrageZeigen(m_program);
        MODUL1::AnzeigeAktualisieren(m_program);
        setWindowTitle(programTitle);
    }
}

void Form1::Bild2_Click()
{
    if (WorkMode::isQuiz(Bezeichnung7)) {
        double position = captionValue(Bezeichnung5) - 1;
        // Over an empty choice list the last index is -1; the position stays at 0 then.
        if (position < 0)
            position = std::max(captionValue(Bezeichnung4), 0.0);
        setCaptionValue(Bezeichnung5, position);
    }
    if (WorkMode::isLearn(Bezeichnung7)) {
        ListBox *answers = m_program.form2().Liste2;
        int row = answers->listIndex() - 1;
        if (row < 0)
            row = answers->count() - 1;
        answers->setListIndex(row);
    }
    MODUL1::AnzeigeAktualisieren(m_program);
}

void Form1::Bild3_Click()
{
    if (WorkMode::isQuiz(Bezeichnung7)) {
        double position = captionValue(Bezeichnung5) + 1;
        if (position > captionValue(Bezeichnung4))
            position = 0;
        setCaptionValue(Bezeichnung5, position);
    }
    if (WorkMode::isLearn(Bezeichnung7)) {
        ListBox *answers = m_program.form2().Liste2;
        int row = answers->listIndex() + 1;
        if (row > answers->count() - 1)
            row = 0;
        // On an empty catalogue there is no row to go to; the list refuses it.
        answers->setListIndex(row);
    }
    MODUL1::AnzeigeAktualisieren(m_program);
}

void Form1::Bild6_Click()
{
    MODUL1::StandardfragenLaden(m_program);
    Bezeichnung10->show();
}

void Form1::Bild10_Click()
{
    Form2 &editor = m_program.form2();
    // Learn mode always starts at the first pair; an empty catalogue has none to select.
    editor.Liste1->setListIndex(0);
    editor.Liste2->setListIndex(0);
    if (WorkMode::isQuiz(Bezeichnung7)) {
        Bezeichnung7->setText(WorkMode::learn);
        Bezeichnung2->setStyleSheet(u"color: #00FF00; background-color: #C000C0;"_s);
    } else {
        Bezeichnung7->setText(WorkMode::quiz);
        Bezeichnung2->setStyleSheet(u"color: #FFFFFF; background-color: #C000C0;"_s);
        MODUL1::ErsteFrageZeigen(m_program);
    }
    MODUL1::AnzeigeAktualisieren(m_program);
}
