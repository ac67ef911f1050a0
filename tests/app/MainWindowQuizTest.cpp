// SPDX-License-Identifier: GPL-3.0-or-later
// The child's journeys in the main window: a practice set answered to its end, learn mode, the
// buttons around the quiz, and quitting. The rules behind them have their tables in
// tests/quiz/.
#include "support/ProgramFixture.h"

#include <QAccessible>

namespace {

class Quiz : public ProgramFixture
{
public:
    // The state at start-up, and again after the whole catalogue was answered.
    void expectTheStandardQuizFromItsStart()
    {
        EXPECT_EQ(question() + u" / "_s + answer(),
                  u"Wie viele Windstärken gibt es? / Als Orkan."_s);
        EXPECT_EQ(counters(), (QStringList{u"0"_s, u"9"_s, u"0"_s, u"0"_s, u"0"_s}));
        EXPECT_DOUBLE_EQ(quiz().progress(), 0);
    }
};

// Paging wraps around; only the exact text is right: a wrong one is reported and counted, a
// right one moves on, keeps the shown answer and lengthens the bar; keys without a use do
// nothing (Qt's "+" carries Execute's number). Learn mode shows the pairs still to answer, in
// green, ignores Enter and gives the quiz back where it was; "Löschen" brings back the standard
// pairs and their notice.
TEST_F(Quiz, APracticeSetAnsweredToItsEndStartsOver)
{
    expectTheStandardQuizFromItsStart();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_A})
        press(key);
    EXPECT_EQ(answer(), u"Ruvero Vovor"_s);
    quiz().showAnswer(u"es gibt 12 Windstärken."_s);
    dialogs.expectMessage(u"Leider falsch, versuch's nochmal!\r"_s, u"F e h l e r"_s);
    click(button(main(), u"Eingabe"_s));
    answerRightByKeyboard();
    EXPECT_EQ(question() + u" / "_s + answer(),
              u"Wie nennt man besonders helle Autoscheinwerfer? / Es gibt 12 Windstärken."_s);
    EXPECT_EQ(counters(), (QStringList{u"1"_s, u"9"_s, u"7"_s, u"1"_s, u"1"_s}));
    EXPECT_DOUBLE_EQ(quiz().progress(), 0.1);
    press(Qt::Key_Insert);
    EXPECT_TRUE(label(u"Bezeichnung2"_s)->styleSheet().contains(u"color: #00ff00"_s));
    click(button(main(), u"Zurück"_s));
    EXPECT_EQ(question(),
              u"Mit welcher Maßeinheit werden in Amerika die Flüssigkeiten gemessen?"_s);
    press(Qt::Key_Return);
    press(Qt::Key_Insert);
    EXPECT_EQ(label(u"Bezeichnung7"_s)->text() + u' ' + answer(),
              u"Quizmodus Es gibt 12 Windstärken."_s);
    for (int i = 0; i < 8; ++i)
        answerRightByKeyboard();
    dialogs.expectMessage(u"Es wurden alle Fragen beantwortet.\r"_s, u"Fragekatalog"_s);
    quiz().setWrongCount(0);
    answerRightByKeyboard();
    expectTheStandardQuizFromItsStart();
    answerRightByKeyboard();
    label(u"Bezeichnung10"_s)->hide();
    click(button(main(), u"Löschen"_s));
    expectTheStandardQuizFromItsStart();
    EXPECT_TRUE(label(u"Bezeichnung10"_s)->isVisible());
}

// After ten right answers the next ten are offered, and the question count, bounded to
// 10..50, builds a new practice set of that size. A rate of nothing shows no box; only the
// shown question, exactly, opens the editor. The help opens by F1 or its button, each time
// after the keyboard box, and closes by either or a click on it; a screen reader hears its
// purpose and, once open, its text.
TEST_F(Quiz, TheButtonsAroundTheQuiz)
{
    startNumberedCatalogue(60);
    for (int i = 0; i < 10; ++i)
        answerRightByKeyboard();
    EXPECT_EQ(choices().value(9) + u' ' + counters().join(u' '), u"Antwort 10 0 9 0 0 10"_s);
    for (const auto &[typed, stored] : {std::pair(u"30 Fragen"_s, 30), {u"80"_s, 50}}) {
        dialogs.expectInput(
                u"Anzahl der gleichzeitig geladenen Fragen und Antworten (10 bis 50):"_s,
                u"Maximale Fragenzahl"_s, quiz().questionCountText(), typed);
        click(button(main(), u"Einstellung"_s));
        EXPECT_EQ(quiz().questionCount(), stored);
        EXPECT_EQ(choices().size(), stored);
    }
    quiz().setWrongCount(1);
    quiz().setRightCount(7);
    dialogs.expectMessage(u"Deine Fehlerquote beträgt 13 Prozent.\r"_s, u"Fehlerquote"_s);
    click(button(main(), u"Fehler"_s));
    quiz().setRightCount(0);
    click(button(main(), u"Lösungen"_s));
    for (const QString &typed : {u"frage 10"_s, question()}) {
        dialogs.expectInput(u"Passwort"_s, u"Bitte eingeben:"_s, QString(), typed);
        click(button(main(), u"Editor"_s));
        EXPECT_EQ(editor().isVisible(), typed == question());
    }
    editor().hide();
    main().show();
    QLabel *panel = label(u"Bezeichnung11"_s);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(panel);
    EXPECT_EQ(heard->text(QAccessible::Name), u"Hilfetext"_s);
    for (int i = 0; i < 2; ++i)
        dialogs.expectMessage(u"Pfeiltasten zum Blättern\rEnter/Return für Eingabe\r"
                              u"Esc für das Programmende\rIns für den Moduswechsel\r"
                              u"F1 für dieses Hilfefenster\r"_s,
                              u"Tastaturbenutzung"_s);
    press(Qt::Key_F1);
    EXPECT_TRUE(panel->text().startsWith(u"Dieses Programm benutzt du wie deine Lernkärtchen"_s));
    EXPECT_TRUE(panel->text().endsWith(
            u"Spaß!\r\r  << Klicke HIER oder auf HILFE, um das Fenster zu schließen >>"_s));
    EXPECT_EQ(heard->text(QAccessible::Description), panel->text());
    press(Qt::Key_F1);
    click(button(main(), u"Hilfetext"_s));
    EXPECT_EQ(panel->x(), label(u"Bezeichnung1"_s)->x());
    click(panel);
    EXPECT_GE(panel->x(), main().width());
}

// "Beenden", Escape and the window frame ask first: No leaves everything as it was, Yes ends
// at once without writing a file.
TEST_F(Quiz, QuittingAsksFirstAndEndsOnlyOnYes)
{
    int ends = 0;
    program->setEndHandler([&] { ++ends; });
    const std::function<void()> ways[] = {[this] { click(button(main(), u"Beenden"_s)); },
                                          [this] { press(Qt::Key_Escape); },
                                          [this] { main().close(); }};
    for (const auto &quit : ways) {
        for (BoxAnswer button : {BoxAnswer::No, BoxAnswer::Yes}) {
            dialogs.expectMessage(u"Das Programm beenden?\r"_s, u"ZEL-Merkbold"_s, stopBox, button);
            quit();
            EXPECT_TRUE(button == BoxAnswer::Yes || main().isVisible());
        }
    }
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(workDirEntries(), QStringList());
}

} // namespace
