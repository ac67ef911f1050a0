// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/QuizProcedures.h"
#include "support/ProgramFixture.h"

#include "desktop/QtClipboardService.h"
#include "platform/CheckBox.h"

#include <QClipboard>

using namespace Qt::StringLiterals;

namespace {

constexpr int printQuestion = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;
constexpr int printTrouble = MsgBox::OkOnly | MsgBox::Exclamation;

struct Box
{
    const char16_t *prompt, *title;
    int style = MsgBox::OkOnly;
    int button = MsgBox::Ok;
};

const Box frontYes{u"Fragen für Vorderseite drucken?\r", u"Drucken", printQuestion, MsgBox::Yes};
const Box frontNo{u"Fragen für Vorderseite drucken?\r", u"Drucken", printQuestion, MsgBox::No};
const Box frontPrinted{u"Die Fragen werden gedruckt.\r", u"Drucken ..."};
const Box backYes{u"Antworten für Rückseite drucken?\r", u"Drucken", printQuestion, MsgBox::Yes};
const Box backNo{u"Antworten für Rückseite drucken?\r", u"Drucken", printQuestion, MsgBox::No};
const Box backPrinted{u"Die Antworten werden gedruckt.\r", u"Drucken ..."};
const std::vector<Box> bothSidesYes{frontYes, frontPrinted, backYes, backPrinted};

class CardOutput : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        // Start-up over: no settings file, so printing is locked until a test allows it.
        main().applyStartupSettings();
    }

    void expectBoxes(const std::vector<Box> &boxes)
    {
        for (const Box &box : boxes)
            dialogs.expectMessage(QString::fromUtf16(box.prompt), QString::fromUtf16(box.title),
                                  box.style, box.button);
    }
};

// `permission` is the editor's "Ausdrucken erlauben".
struct PrintCase
{
    const char *name;
    int permission;
    QList<PrintOutcome> outcomes;
    std::vector<Box> boxes;
    qsizetype jobs;
};

class CardPrinting : public CardOutput, public ::testing::WithParamInterface<PrintCase>
{ };

TEST_P(CardPrinting, AsksBeforeEachSideAndTellsWhatHappened)
{
    editor().allowPrinting->setValue(GetParam().permission);
    printer.outcomes = GetParam().outcomes;
    expectBoxes(GetParam().boxes);
    click(main().printButton);
    EXPECT_EQ(printer.jobs.size(), GetParam().jobs);
    EXPECT_TRUE(printer.pending.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
        Answers, CardPrinting,
        ::testing::Values(PrintCase{"Permission0Locks",
                                    0,
                                    {},
                                    {{u"Druckfunktion wurde gesperrt.\r", u"Datei drucken"}},
                                    0},
                          PrintCase{"Permission1", 1, {}, bothSidesYes, 2},
                          PrintCase{"Permission2", 2, {}, bothSidesYes, 2},
                          PrintCase{"NoAtTheFront", 1, {}, {frontNo}, 0},
                          PrintCase{"NoAtTheBack", 1, {}, {frontYes, frontPrinted, backNo}, 1},
                          PrintCase{"NoPrinter",
                                    1,
                                    {PrintOutcome::NoPrinter},
                                    {frontYes,
                                     {u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als "
                                      u"PDF-Datei gespeichert werden?\r",
                                      u"Drucken",
                                      MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                                      MsgBox::No}},
                                    1},
                          PrintCase{"BackRefused",
                                    1,
                                    {PrintOutcome::Done, PrintOutcome::Refused},
                                    {frontYes,
                                     frontPrinted,
                                     backYes,
                                     {u"Der Drucker hat den Druckauftrag abgelehnt.\r", u"Drucken",
                                      printTrouble}},
                                    2}),
        [](const auto &info) { return std::string(info.param.name); });

// One card per line in Arial 18 at the left margin.
RecordingPrinter::Job cardsOf(const QStringList &texts)
{
    RecordingPrinter::Job job;
    for (const QString &text : texts)
        job.append({text, 0, u"Arial"_s, 18});
    return job;
}

QStringList withEmptyLines(QStringList texts, int count)
{
    for (int i = 0; i < count; ++i)
        texts << QString();
    return texts;
}

// `rightAnswers` are given in a practice set of 10 from 25 pairs before printing; then the
// catalogue is cut to `catalogueLeft` pairs (-1: not cut).
struct SheetCase
{
    const char *name;
    int rightAnswers, catalogueLeft;
    bool emptyChoiceList;
    QStringList front, back;
};

class CardSheets : public CardOutput, public ::testing::WithParamInterface<SheetCase>
{ };

TEST_P(CardSheets, QuestionsOnTheFrontAndAnswersOnTheBackLineForLine)
{
    const SheetCase &c = GetParam();
    loadNumberedCatalogue(25);
    QuizProcedures::buildPracticeSet(*program);
    for (int i = 0; i < c.rightAnswers; ++i)
        answerRightByKeyboard();
    if (c.catalogueLeft >= 0)
        setCatalogue(catalogueQuestions().mid(0, c.catalogueLeft),
                     catalogueAnswers().mid(0, c.catalogueLeft));
    if (c.emptyChoiceList)
        main().choiceList->clear();
    editor().allowPrinting->setValue(1);

    expectBoxes(bothSidesYes);
    click(main().printButton);

    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(printer.jobs[0], cardsOf(c.front));
    EXPECT_EQ(printer.jobs[1], cardsOf(c.back));
    // Both sides get their settings anew, in the same order.
    EXPECT_EQ(printer.fontSettings,
              (QStringList{u"name Arial"_s, u"size 18"_s, u"name Arial"_s, u"size 18"_s}));
}

INSTANTIATE_TEST_SUITE_P(
        Catalogues, CardSheets,
        ::testing::Values(SheetCase{"TheFirstTenPairsBeforeAnyAnswer", 0, -1, false,
                                    numbered(u"Frage "_s, 0, 9), numbered(u"Antwort "_s, 0, 9)},
                          SheetCase{"TheFrontTenAfterThreeRightAnswers", 3, -1, false,
                                    numbered(u"Frage "_s, 3, 12), numbered(u"Antwort "_s, 3, 12)},
                          SheetCase{"FourPairsLeftWithTenChoicesGivesSixEmptyLines", 0, 4, false,
                                    withEmptyLines(numbered(u"Frage "_s, 0, 3), 6),
                                    withEmptyLines(numbered(u"Antwort "_s, 0, 3), 6)},
                          SheetCase{"AnEmptyChoiceListPrintsNoLine", 0, -1, true, {}, {}}),
        [](const auto &info) { return std::string(info.param.name); });

TEST_F(CardOutput, TwoCardsGoToTheClipboardWithAnEmptyLineAfterEach)
{
    loadNumberedCatalogue(2);
    QuizProcedures::buildPracticeSet(*program);
    dialogs.expectMessage(u"Fragen und Antworten wurden kopiert.\r"_s, u"Ablage"_s);
    click(main().copyButton); // printing is locked; copying does not ask
    EXPECT_EQ(clipboard.calls,
              (QStringList{u"clear"_s,
                           u"set:Frage 0\r\nAntwort 0\r\n\r\nFrage 1\r\nAntwort 1\r\n\r\n"_s}));
}

TEST_F(CardOutput, AnEmptyChoiceListCopiesNothingAndSaysNothing)
{
    main().choiceList->clear();
    click(main().copyButton);
    EXPECT_TRUE(clipboard.calls.isEmpty());
}

TEST(QtClipboard, KeepsTheTextExactlyWithItsLineEnds)
{
    QtClipboardService clipboard;
    const QString text = u"Größe\r\nÄpfel\r\n\r\n"_s;
    clipboard.replaceText(text);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    clipboard.replaceText(QString());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

} // namespace
