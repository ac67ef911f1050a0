// SPDX-License-Identifier: GPL-3.0-or-later
// Flash cards printed and copied from the main window.
#include "support/ProgramFixture.h"

namespace {

// prompt, title, style, button
using Box = std::tuple<QString, QString, BoxStyles, BoxAnswer>;
const Box front{u"Fragen für Vorderseite drucken?\r"_s, u"Drucken"_s, stopBox, BoxAnswer::Yes};
const Box frontPrinted{u"Die Fragen werden gedruckt.\r"_s, u"Drucken ..."_s, BoxStyle::OkOnly,
                       BoxAnswer::Ok};
const Box back{u"Antworten für Rückseite drucken?\r"_s, u"Drucken"_s, stopBox, BoxAnswer::Yes};
const Box backPrinted{u"Die Antworten werden gedruckt.\r"_s, u"Drucken ..."_s, BoxStyle::OkOnly,
                      BoxAnswer::Ok};

class Cards : public ProgramFixture
{
public:
    void printCards(const std::vector<Box> &boxes)
    {
        for (const auto &[prompt, title, style, button] : boxes)
            dialogs.expectMessage(prompt, title, style, button);
        click(button(main(), u"Drucken"_s));
    }
};

// Each case: the editor's "Ausdrucken erlauben", the outcomes the printer ends its jobs with,
// the boxes, the jobs sent.
TEST_F(Cards, PrintingAsksBeforeEachSideAndTellsWhatHappened)
{
    // clang-format off
    const std::tuple<const char *, int, QList<PrintOutcome>, std::vector<Box>, qsizetype> cases[] = {
        {"Permission0Locks", 0, {}, {{u"Druckfunktion wurde gesperrt.\r"_s, u"Datei drucken"_s, BoxStyle::OkOnly, BoxAnswer::Ok}}, 0},
        {"Permission2", 2, {}, {front, frontPrinted, back, backPrinted}, 2},
        {"NoAtTheBack", 1, {}, {front, frontPrinted, {std::get<0>(back), u"Drucken"_s, stopBox, BoxAnswer::No}}, 1},
        {"NoPrinterNoPdf", 1, {PrintOutcome::NoPrinter}, {front, {u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als PDF-Datei gespeichert werden?\r"_s, u"Drucken"_s, questionBox, BoxAnswer::No}}, 1},
        {"BackRefused", 1, {PrintOutcome::Done, PrintOutcome::Refused}, {front, frontPrinted, back, {u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s, BoxStyle::WarningIcon, BoxAnswer::Ok}}, 2}};
    // clang-format on
    runStartupTimer(); // no settings file: printing is locked until allowed
    for (const auto &[name, permission, outcomes, boxes, jobs] : cases) {
        SCOPED_TRACE(name);
        control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(permission);
        printer.jobs.clear();
        printer.outcomes = outcomes;
        printCards(boxes);
        EXPECT_EQ(printer.jobs.size(), jobs);
        EXPECT_TRUE(printer.pending.isEmpty());
    }
}

// One card per line in Arial 18, questions on the front and answers on the back line for line,
// from the front of the catalogue for as many as the choice list offers, empty past its end.
TEST_F(Cards, PrintedAndCopiedFromTheFrontOfTheCatalogue)
{
    startNumberedCatalogue(25);
    for (int i = 0; i < 3; ++i)
        answerRightByKeyboard();
    setCatalogue(catalogueQuestions().mid(0, 2), catalogueAnswers().mid(0, 2));
    control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(1);
    printCards({front, frontPrinted, back, backPrinted});
    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(printer.jobs[0].value(1), (RecordingPrinter::Line{u"Frage 4"_s, 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].value(0), (RecordingPrinter::Line{u"Antwort 3"_s, 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].value(9), (RecordingPrinter::Line{QString(), 0, u"Arial 18"_s}));
    EXPECT_EQ(printer.jobs[1].size(), 10);

    startNumberedCatalogue(2);
    dialogs.expectMessage(u"Fragen und Antworten wurden kopiert.\r"_s, u"Ablage"_s);
    click(button(main(), u"Ablage"_s));
    EXPECT_EQ(clipboard.calls,
              (QStringList{u"clear"_s,
                           u"set:Frage 0\r\nAntwort 0\r\n\r\nFrage 1\r\nAntwort 1\r\n\r\n"_s}));
    quiz().choices().clear(); // nothing to copy, nothing said
    click(button(main(), u"Ablage"_s));
    EXPECT_EQ(clipboard.calls.size(), 2);
}

} // namespace
