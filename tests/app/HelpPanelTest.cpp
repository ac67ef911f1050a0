// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpPanel.h"
#include "support/ProgramFixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString helpPanel =
        u"Dieses Programm benutzt du wie deine Lernkärtchen in einem Frage-Antwort-Spiel, nur dass "
        u"dein Partner hier der Computer ist. Du kannst damit Englisch üben oder beliebige "
        u"Sachthemen für eine beliebige Arbeit.\r"
        u"Mit Klick auf das Steuerungssymbol stellst du den Modus ein: Du kannst lernen oder "
        u"Quizfragen beantworten.\r"
        u"Mit dem Roboter kannst du deinen Schwierigkeitsgrad einstellen: Wie viele verschiedene "
        u"Fragen sollen zugleich geübt werden? Es sind 10 Fragen voreingestellt, du kannst aber "
        u"auch andere Zahlen zwischen 10 und 50 eingeben.\r"
        u"Mit dem Paket kannst du Quizdateien laden, mit dem Drucker werden sie ausgedruckt und "
        u"mit dem Knochen werden sie nicht verbuddelt, sondern in die Zwischenablage kopiert.\r"
        u"Bei diesem Programm gibt es kein Belohnungsspiel, der Lohn besteht aus der Erkenntnis, "
        u"dass du etwas kannst und gelernt hast. Mit einem Partner zu üben macht aber noch mehr "
        u"Spaß!\r"
        u"\r"
        u"  << Klicke HIER oder auf HILFE, um das Fenster zu schließen >>"_s;

class HelpPanel : public ProgramFixture
{
public:
    QLabel *panel() { return main().helpPanel; }
    bool isOpen() { return panel()->x() == main().questionDisplay->x(); }
    bool isClosed()
    {
        return panel()->x() == main().choiceList->x() && panel()->x() >= main().width();
    }
};

// Every opening shows the keyboard message and composes the text anew.
TEST_F(HelpPanel, OpensAndClosesByF1TheButtonAndAClickOnIt)
{
    EXPECT_TRUE(isClosed());
    EXPECT_EQ(panel()->text(), u"Bezeichnung11"_s);
    expectKeyboardMessage();
    press(Qt::Key_F1);
    EXPECT_TRUE(dialogs.allShown());
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(panel()->text(), helpPanel);
    press(Qt::Key_F1);
    EXPECT_TRUE(isClosed());

    expectKeyboardMessage();
    click(main().helpButton);
    EXPECT_TRUE(dialogs.allShown());
    EXPECT_TRUE(isOpen());
    click(panel());
    EXPECT_TRUE(isClosed());

    panel()->setText(u"Bezeichnung11"_s);
    expectKeyboardMessage();
    press(Qt::Key_F1);
    EXPECT_TRUE(dialogs.allShown());
    EXPECT_TRUE(isOpen());
    EXPECT_EQ(panel()->text(), helpPanel);
}

TEST_F(HelpPanel, LiesOverTheQuestionAndLeavesTheQuizAsItWas)
{
    click(main().forwardButton);
    const QString shownQuestion = question();
    const QString shownAnswer = answer();
    expectKeyboardMessage();
    click(main().helpButton);

    EXPECT_EQ(main().childAt(main().questionDisplay->geometry().center()), panel());
    EXPECT_EQ(question(), shownQuestion);
    EXPECT_EQ(answer(), shownAnswer);
    click(main().forwardButton);
    EXPECT_EQ(main().browsePositionLabel->text(), u"2"_s)
            << "other buttons keep working while it is open";
    EXPECT_TRUE(isOpen());
}

// Lone carriage returns must end lines on screen, not turn into blanks.
TEST_F(HelpPanel, BreaksLinesAtSingleCarriageReturns)
{
    const int width = panel()->width();
    panel()->setText(u"Zeile\nZeile\n\nZeile"_s);
    const int fourLines = panel()->heightForWidth(width);
    panel()->setText(u"Zeile\rZeile"_s);
    const int twoLines = panel()->heightForWidth(width);
    panel()->setText(u"Zeile\rZeile\r\rZeile"_s);
    EXPECT_GT(fourLines, twoLines);
    EXPECT_EQ(panel()->heightForWidth(width), fourLines);
}

} // namespace
