#include "support/ProgramFixture.h"

#include "platform/CheckBox.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

using Line = RecordingPrinter::Line;
using Job = RecordingPrinter::Job;

const QString front = u"Fragen für Vorderseite drucken?\r"_s;
const QString back = u"Antworten für Rückseite drucken?\r"_s;
const int printQuestion = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;

class CardOutput : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        // Start-up over: the settings are read (none here, so printing is locked) before the
        // test sets its own permission.
        main().Zeit1_Timer();
    }

    // A catalogue "Frage i" / "Antwort i" with a practice set built from it.
    void practise(int pairs)
    {
        QStringList questions, answers;
        for (int i = 0; i < pairs; ++i) {
            questions << u"Frage %1"_s.arg(i);
            answers << u"Antwort %1"_s.arg(i);
        }
        editor().Liste1->setTexts(questions);
        editor().Liste2->setTexts(answers);
        main().AuswahlBilden();
    }

    void expectBothSidesAnsweredYes()
    {
        dialogs.expectMessage(front, u"Drucken"_s, printQuestion, MsgBox::Yes);
        dialogs.expectMessage(u"Die Fragen werden gedruckt.\r"_s, u"Drucken ..."_s);
        dialogs.expectMessage(back, u"Drucken"_s, printQuestion, MsgBox::Yes);
        dialogs.expectMessage(u"Die Antworten werden gedruckt.\r"_s, u"Drucken ..."_s);
    }
};

// One card per line in Arial 18 at the left margin.
Job cardsOf(const QStringList &texts)
{
    Job job;
    for (const QString &text : texts)
        job.append({text, 0, u"Arial"_s, 18});
    return job;
}

QStringList numbered(const QString &word, int first, int last)
{
    QStringList texts;
    for (int i = first; i <= last; ++i)
        texts << u"%1 %2"_s.arg(word).arg(i);
    return texts;
}

struct PermissionCase
{
    int value;
    bool allowed;
};

class PrintPermission : public CardOutput, public ::testing::WithParamInterface<PermissionCase>
{
};

INSTANTIATE_TEST_SUITE_P(Values, PrintPermission,
                         ::testing::Values(PermissionCase{0, false}, PermissionCase{1, true},
                                           PermissionCase{2, true}),
                         [](const auto &info) { return std::to_string(info.param.value); });

TEST_P(PrintPermission, OnlyUntickedLocksPrinting)
{
    editor().Kontroll1->setValue(GetParam().value);
    if (GetParam().allowed)
        expectBothSidesAnsweredYes();
    else
        dialogs.expectMessage(u"Druckfunktion wurde gesperrt.\r"_s, u"Datei drucken"_s);
    click(main().Bild15);
    EXPECT_EQ(printer.jobs.size(), GetParam().allowed ? 2 : 0);
}

struct SheetCase
{
    const char *name;
    int catalogue;        // pairs, a practice set of 10 built from them
    int rightAnswers;     // given before printing
    int catalogueLeft;    // pairs cut off the catalogue after that, -1 for none
    bool emptyChoiceList;
    QStringList front;
    QStringList back;
};

class CardSheets : public CardOutput, public ::testing::WithParamInterface<SheetCase>
{
};

QStringList withEmptyLines(QStringList texts, int count)
{
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, CardSheets,
    ::testing::Values(
        SheetCase{"TheFirstTenPairsBeforeAnyAnswer", 25, 0, -1, false, numbered(u"Frage"_s, 0, 9),
                  numbered(u"Antwort"_s, 0, 9)},
        SheetCase{"TheFrontTenAfterThreeRightAnswers", 25, 3, -1, false, numbered(u"Frage"_s, 3, 12),
                  numbered(u"Antwort"_s, 3, 12)},
        SheetCase{"FourPairsLeftWithTenChoicesGivesSixEmptyLines", 25, 0, 4, false,
                  withEmptyLines(numbered(u"Frage"_s, 0, 3), 6), withEmptyLines(numbered(u"Antwort"_s, 0, 3), 6)},
        SheetCase{"AnEmptyChoiceListPrintsNoLine", 25, 0, -1, true, {}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(CardSheets, QuestionsOnTheFrontAndAnswersOnTheBackLineForLine)
{
    const SheetCase &c = GetParam();
    practise(c.catalogue);
    for (int i = 0; i < c.rightAnswers; ++i)
        answerRightByKeyboard();
    if (c.catalogueLeft >= 0) {
        editor().Liste1->setTexts(editor().Liste1->texts().mid(0, c.catalogueLeft));
        editor().Liste2->setTexts(editor().Liste2->texts().mid(0, c.catalogueLeft));
    }
    if (c.emptyChoiceList)
        main().Liste2->clear();
    editor().Kontroll1->setValue(1);

    expectBothSidesAnsweredYes();
    click(main().Bild15);

    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(printer.jobs[0], cardsOf(c.front));
    EXPECT_EQ(printer.jobs[1], cardsOf(c.back));
    // Both sides get their settings anew, in the same order.
    EXPECT_EQ(printer.fontSettings,
              (QStringList{u"name Arial"_s, u"size 18"_s, u"name Arial"_s, u"size 18"_s}));
}

TEST_F(CardOutput, NoToTheFrontQuestionPrintsNothingAndAsksNoMore)
{
    editor().Kontroll1->setValue(1);
    dialogs.expectMessage(front, u"Drucken"_s, printQuestion, MsgBox::No);
    click(main().Bild15);
    EXPECT_TRUE(printer.jobs.isEmpty());
    EXPECT_TRUE(printer.pending.isEmpty());
}

TEST_F(CardOutput, NoToTheBackQuestionLeavesTheFrontPrinted)
{
    editor().Kontroll1->setValue(1);
    dialogs.expectMessage(front, u"Drucken"_s, printQuestion, MsgBox::Yes);
    dialogs.expectMessage(u"Die Fragen werden gedruckt.\r"_s, u"Drucken ..."_s);
    dialogs.expectMessage(back, u"Drucken"_s, printQuestion, MsgBox::No);
    click(main().Bild15);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].size(), 10);
    EXPECT_EQ(printer.jobs[0][0].text, u"Wie viele Windstärken gibt es?"_s);
}

TEST_F(CardOutput, WithoutAPrinterTheFrontIsNotReportedAsPrinted)
{
    editor().Kontroll1->setValue(1);
    printer.outcomes = {PrintOutcome::NoPrinter};
    dialogs.expectMessage(front, u"Drucken"_s, printQuestion, MsgBox::Yes);
    dialogs.expectMessage(u"Kein Drucker verfügbar: Es ist kein Standarddrucker eingerichtet.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    click(main().Bild15);
    EXPECT_EQ(printer.jobs.size(), 1);
}

TEST_F(CardOutput, ARefusedBackSideIsToldAfterTheFrontWentOut)
{
    editor().Kontroll1->setValue(1);
    printer.outcomes = {PrintOutcome::Done, PrintOutcome::Refused};
    dialogs.expectMessage(front, u"Drucken"_s, printQuestion, MsgBox::Yes);
    dialogs.expectMessage(u"Die Fragen werden gedruckt.\r"_s, u"Drucken ..."_s);
    dialogs.expectMessage(back, u"Drucken"_s, printQuestion, MsgBox::Yes);
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    click(main().Bild15);
    EXPECT_EQ(printer.jobs.size(), 2);
}

TEST_F(CardOutput, ASettingsFileThatAllowsPrintingUnlocksIt)
{
    QFile settings(u"ZELMERK.INI"_s);
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Datei]\r\n\r\n[Druck]\r\n 1 \r\n[Laden]\r\n 1 \r\n");
    settings.close();
    main().EinstellungenLesen();

    expectBothSidesAnsweredYes();
    click(main().Bild15);
    EXPECT_EQ(printer.jobs.size(), 2);
}

TEST_F(CardOutput, TwoCardsGoToTheClipboardWithAnEmptyLineAfterEach)
{
    practise(2);
    dialogs.expectMessage(u"Fragen und Antworten wurden kopiert.\r"_s, u"Ablage"_s);
    click(main().Bild11);
    // Printing is locked (no settings file); copying does not ask.
    EXPECT_EQ(editor().Kontroll1->value(), 0);
    EXPECT_EQ(clipboard.calls,
              (QStringList{u"clear"_s, u"set:Frage 0\r\nAntwort 0\r\n\r\nFrage 1\r\nAntwort 1\r\n\r\n"_s}));
}

TEST_F(CardOutput, AnEmptyChoiceListCopiesNothingAndSaysNothing)
{
    main().Liste2->clear();
    click(main().Bild11);
    EXPECT_TRUE(clipboard.calls.isEmpty());
}

} // namespace
