// SPDX-License-Identifier: GPL-3.0-or-later
// Flash cards printed and copied from the main window, the editor's layouts printed and copied
// from its layout list, the clipboard and printer of the system, and what reaches the paper,
// read back from PDF files with the poppler tools.
#include "support/ProgramFixture.h"

#include "output/EditorLayouts.h"
#include "output/FlashCards.h"
#include "output/PrintSession.h"
#include "desktop/PdfPrintService.h"
#include "desktop/QtClipboardService.h"
#include "desktop/SystemPrintService.h"

#include <QClipboard>
#include <QProcess>
#include <QRegularExpression>
#include <QPrinterInfo>

namespace {

constexpr BoxStyles asking = BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault;
constexpr BoxStyles trouble = BoxStyle::WarningIcon;

// prompt, title, style, button
using Box = std::tuple<const char16_t *, const char16_t *, BoxStyles, BoxAnswer>;
const Box front{u"Fragen für Vorderseite drucken?\r", u"Drucken", asking, BoxAnswer::Yes};
const Box frontPrinted{u"Die Fragen werden gedruckt.\r", u"Drucken ...", BoxStyle::OkOnly,
                       BoxAnswer::Ok};
const Box back{u"Antworten für Rückseite drucken?\r", u"Drucken", asking, BoxAnswer::Yes};
const Box backPrinted{u"Die Antworten werden gedruckt.\r", u"Drucken ...", BoxStyle::OkOnly,
                      BoxAnswer::Ok};

using Cards = ProgramFixture;

// Each case: the editor's "Ausdrucken erlauben", the outcomes the printer ends its jobs with,
// the boxes, the jobs sent.
TEST_F(Cards, PrintingAsksBeforeEachSideAndTellsWhatHappened)
{
    // clang-format off
    const std::tuple<const char *, int, QList<PrintOutcome>, std::vector<Box>, qsizetype> cases[] = {
        {"Permission0Locks", 0, {}, {{u"Druckfunktion wurde gesperrt.\r", u"Datei drucken", BoxStyle::OkOnly, BoxAnswer::Ok}}, 0},
        {"Permission2", 2, {}, {front, frontPrinted, back, backPrinted}, 2},
        {"NoAtTheBack", 1, {}, {front, frontPrinted, {std::get<0>(back), u"Drucken", asking, BoxAnswer::No}}, 1},
        {"NoPrinterNoPdf", 1, {PrintOutcome::NoPrinter}, {front, {u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als PDF-Datei gespeichert werden?\r", u"Drucken", BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault, BoxAnswer::No}}, 1},
        {"BackRefused", 1, {PrintOutcome::Done, PrintOutcome::Refused}, {front, frontPrinted, back, {u"Der Drucker hat den Druckauftrag abgelehnt.\r", u"Drucken", trouble, BoxAnswer::Ok}}, 2}};
    // clang-format on
    runStartupTimer(); // no settings file: printing is locked until allowed
    for (const auto &[name, permission, outcomes, boxes, jobs] : cases) {
        SCOPED_TRACE(name);
        control<CheckBox>(editor(), u"Kontroll1"_s)->setValue(permission);
        printer.jobs.clear();
        printer.outcomes = outcomes;
        for (const auto &[prompt, title, style, button] : boxes)
            dialogs.expectMessage(QString::fromUtf16(prompt), QString::fromUtf16(title), style,
                                  button);
        click(button(main(), u"Drucken"_s));
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
    for (const auto &[prompt, title, style, button] : {front, frontPrinted, back, backPrinted})
        dialogs.expectMessage(QString::fromUtf16(prompt), QString::fromUtf16(title), style, button);
    click(button(main(), u"Drucken"_s));
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
    control<ListBox>(main(), u"Liste2"_s)->clear(); // nothing to copy, nothing said
    click(button(main(), u"Ablage"_s));
    EXPECT_EQ(clipboard.calls.size(), 2);
}

// "Drucken ..." and "Ablage ..." open the list in their mode (yellow or red) and the other
// button closes it; a double-click puts out that layout, and the print lock does not apply.
TEST_F(Cards, TheEditorsLayoutListPrintsAndCopiesTheLayoutDoubleClicked)
{
    openEditor();
    setCatalogue({u"Frage 1"_s, u"Frage 2"_s}, {u"Antwort 1"_s, u"Antwort 2"_s});
    ListBox &list = *control<ListBox>(editor(), u"Liste3"_s);
    click(button(editor(), u"Drucken ..."_s));
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(Qt::yellow));
    click(button(editor(), u"Ablage ..."_s));
    EXPECT_FALSE(list.isVisible());
    click(button(editor(), u"Ablage ..."_s));
    EXPECT_EQ(list.palette().color(QPalette::Base), QColor(Qt::red));
    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    clickRow(list, 3, true);
    EXPECT_EQ(clipboard.calls.last(),
              u"set:Frage 1\r\nFrage 2\r\n\r\nAntwort 1\r\nAntwort 2\r\n"_s);
    click(button(editor(), u"Drucken ..."_s));
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

QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lines come out in order, each page from its top-left corner and as full as it can be, in an
// embedded Arial or a face with its metrics; an indented line starts six spaces in; a job
// without a line leaves no sheet, and one that cannot begin is reported as refused.
TEST(PdfPrinting, LinesGoOnPagesInOrderInTheArialFace)
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    PdfPrintService printer(dir.filePath(u"karten"_s));
    PrintJob job = flashCardJob(numbered(u"Zeile"_s, 1, 100), 100);
    job[1].indented = true;
    ASSERT_TRUE(PrintSession(dialogs, printer, u"KARTEN.PDF"_s)
                        .print(editorLayoutFont, {job, flashCardJob({}, 0)}));
    ASSERT_EQ(printer.files().size(), 1);

    static const QRegularExpression word(
            uR"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)".*>(\w+)</word>)re"_s);
    QList<QList<QPointF>> pages; // the top-left corner of each word, in points
    QStringList words;
    for (const QString &page :
         popplerOutput(u"pdftotext"_s, {u"-bbox"_s, printer.files()[0], u"-"_s})
                 .split(u"<page "_s)
                 .mid(1)) {
        pages.append(QList<QPointF>());
        for (const QRegularExpressionMatch &m : word.globalMatch(page)) {
            pages.last().append({m.captured(1).toDouble(), m.captured(2).toDouble()});
            words << m.captured(3);
        }
        EXPECT_LT(pages.last().value(0).manhattanLength(), 3);
    }
    EXPECT_EQ(words, numbered(u"Zeile"_s, 1, 100));
    ASSERT_GE(pages.size(), 3);
    const double lineHeight = pages[0][2].y() - pages[0][1].y();
    EXPECT_GT(pages[0].last().y() + 2 * lineHeight, 297 * 72 / 25.4);           // A4, full
    EXPECT_NEAR(pages[0][1].x() - pages[0][0].x(), 6 * 16 * 569.0 / 2048, 0.2); // Arial's space
    const QString fonts = popplerOutput(u"pdffonts"_s, {printer.files()[0]});
    EXPECT_EQ(fonts.count(u'\n'), 3) << "not one face: " << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QRegularExpression(
            u"\\n(\\w+\\+)?(Arial|LiberationSans|Arimo)\\s.*\\syes\\s+(yes|no)\\s+(yes|no)\\s"_s)))
            << "not Arial or not embedded: " << fonts.toStdString();

    PdfPrintService nowhere(dir.filePath(u"fehlt/karten"_s));
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          BoxStyle::WarningIcon);
    EXPECT_FALSE(PrintSession(dialogs, nowhere, u"KARTEN.PDF"_s).print(flashCardFont, {job, job}));
}

} // namespace
