// SPDX-License-Identifier: GPL-3.0-or-later
// Flash cards printed and copied from the main window, the editor's layouts printed and copied
// from its layout list, and the clipboard and printer of the system.
#include "support/ProgramFixture.h"

#include "output/QtClipboardService.h"
#include "output/SystemPrintService.h"

#include <QClipboard>
#include <QPrinterInfo>

namespace {

constexpr int question = MsgBox::YesNo | MsgBox::Critical | MsgBox::DefaultButton2;
constexpr int trouble = MsgBox::OkOnly | MsgBox::Exclamation;

// `permission` is the editor's "Ausdrucken erlauben"; the printer ends its jobs with `outcomes`;
// each box is {prompt, title, style, button}.
struct PrintCase
{
    const char *name;
    int permission;
    QList<PrintOutcome> outcomes;
    std::vector<std::tuple<const char16_t *, const char16_t *, int, int>> boxes;
    qsizetype jobs;
};

class CardPrinting : public ProgramFixture, public ::testing::WithParamInterface<PrintCase>
{ };

TEST_P(CardPrinting, AsksBeforeEachSideAndTellsWhatHappened)
{
    main().applyStartupSettings(); // no settings file: printing is locked until allowed
    editor().allowPrinting->setValue(GetParam().permission);
    printer.outcomes = GetParam().outcomes;
    for (const auto &[prompt, title, style, button] : GetParam().boxes)
        dialogs.expectMessage(QString::fromUtf16(prompt), QString::fromUtf16(title), style, button);
    click(main().printButton);
    EXPECT_EQ(printer.jobs.size(), GetParam().jobs);
    EXPECT_TRUE(printer.pending.isEmpty());
}

const auto front =
        std::tuple(u"Fragen für Vorderseite drucken?\r", u"Drucken", question, MsgBox::Yes);
const auto frontPrinted =
        std::tuple(u"Die Fragen werden gedruckt.\r", u"Drucken ...", 0, MsgBox::Ok);
const auto back =
        std::tuple(u"Antworten für Rückseite drucken?\r", u"Drucken", question, MsgBox::Yes);
const auto backPrinted =
        std::tuple(u"Die Antworten werden gedruckt.\r", u"Drucken ...", 0, MsgBox::Ok);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, CardPrinting, ::testing::Values(
    PrintCase{"Permission0Locks", 0, {}, {{u"Druckfunktion wurde gesperrt.\r", u"Datei drucken", 0, MsgBox::Ok}}, 0},
    PrintCase{"Permission2", 2, {}, {front, frontPrinted, back, backPrinted}, 2},
    PrintCase{"NoAtTheBack", 1, {}, {front, frontPrinted, {std::get<0>(back), u"Drucken", question, MsgBox::No}}, 1},
    PrintCase{"NoPrinter", 1, {PrintOutcome::NoPrinter}, {front, {u"Kein Drucker verfügbar: Es ist kein Standarddrucker eingerichtet.\r", u"Drucken", trouble, MsgBox::Ok}}, 1},
    PrintCase{"BackRefused", 1, {PrintOutcome::Done, PrintOutcome::Refused}, {front, frontPrinted, back, {u"Der Drucker hat den Druckauftrag abgelehnt.\r", u"Drucken", trouble, MsgBox::Ok}}, 2}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

using Cards = ProgramFixture;

// One card per line in Arial 18, questions on the front and answers on the back line for line,
// from the front of the catalogue for as many as the choice list offers, empty past its end.
TEST_F(Cards, PrintedAndCopiedFromTheFrontOfTheCatalogue)
{
    startNumberedCatalogue(25);
    for (int i = 0; i < 3; ++i)
        answerRightByKeyboard();
    setCatalogue(catalogueQuestions().mid(0, 2), catalogueAnswers().mid(0, 2));
    editor().allowPrinting->setValue(1);
    for (const auto &[prompt, title, style, button] : {front, frontPrinted, back, backPrinted})
        dialogs.expectMessage(QString::fromUtf16(prompt), QString::fromUtf16(title), style, button);
    click(main().printButton);
    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(printer.jobs[0].value(1), (RecordingPrinter::Line{u"Frage 4"_s, 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].value(0), (RecordingPrinter::Line{u"Antwort 3"_s, 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].value(9), (RecordingPrinter::Line{QString(), 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].size(), 10);

    startNumberedCatalogue(2);
    dialogs.expectMessage(u"Fragen und Antworten wurden kopiert.\r"_s, u"Ablage"_s);
    click(main().copyButton);
    EXPECT_EQ(clipboard.calls,
              (QStringList{u"clear"_s,
                           u"set:Frage 0\r\nAntwort 0\r\n\r\nFrage 1\r\nAntwort 1\r\n\r\n"_s}));
    main().choiceList->clear(); // nothing to copy, nothing said
    click(main().copyButton);
    EXPECT_EQ(clipboard.calls.size(), 2);
}

// "Drucken ..." and "Ablage ..." open the list in their mode (yellow or red) and the other
// button closes it; a double-click puts out that layout, and the print lock does not apply.
TEST_F(Cards, TheEditorsLayoutListPrintsAndCopiesTheLayoutDoubleClicked)
{
    openEditor();
    setCatalogue({u"Frage 1"_s, u"Frage 2"_s}, {u"Antwort 1"_s, u"Antwort 2"_s});
    ListBox &list = *editor().layoutList;
    click(editor().printLayoutButton);
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(Qt::yellow));
    click(editor().copyLayoutButton);
    EXPECT_FALSE(list.isVisible());
    click(editor().copyLayoutButton);
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(Qt::red));
    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    clickRow(list, 3, true);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(clipboard.calls.last(),
              u"set:Frage 1\r\nFrage 2\r\n\r\nAntwort 1\r\nAntwort 2\r\n"_s);
    click(editor().printLayoutButton);
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    clickRow(list, 0, true);
    EXPECT_EQ(printer.jobs.size(), 1);
}

TEST(SystemServices, TheClipboardKeepsLineEndsAndNoPrinterMeansNothingIsSent)
{
    QtClipboardService().replaceText(u"Größe\r\nÄpfel\r\n\r\n"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Größe\r\nÄpfel\r\n\r\n"_s);
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the test would print on it";
    SystemPrintService printer;
    printer.printLineAt(6, u"Welt"_s);
    EXPECT_EQ(printer.endDocument(), PrintOutcome::NoPrinter);
    EXPECT_EQ(printer.endDocument(), PrintOutcome::Done); // the next job starts afresh, empty
}

} // namespace
