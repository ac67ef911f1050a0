// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/EditorLayouts.h"
#include "output/FlashCards.h"
#include "desktop/PdfPrintService.h"
#include "desktop/SystemPrintService.h"

#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr double pointsPerMillimetre = 72 / 25.4;
constexpr double a4HeightPoints = 297 * pointsPerMillimetre;

// Runs one of the poppler tools on a file and gives its standard output.
QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file, one entry per printed line that holds text, pages one after the other.
QStringList pdfLines(const QString &file)
{
    return popplerOutput(u"pdftotext"_s, {file, u"-"_s})
            .split(QRegularExpression(u"[\n\f]+"_s), Qt::SkipEmptyParts);
}

struct WordBox
{
    double xMin, yMin, xMax, yMax;
    QString text;
};

// Every word with its box in points from the top-left corner of its page.
QList<QList<WordBox>> pdfWordsByPage(const QString &file)
{
    const QString html = popplerOutput(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
    static const QRegularExpression word(
            uR"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"_s);
    QList<QList<WordBox>> pages;
    for (const QString &page : html.split(u"<page "_s).mid(1)) {
        QList<WordBox> words;
        for (const QRegularExpressionMatch &m : word.globalMatch(page))
            words.append({m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
        pages.append(words);
    }
    return pages;
}

class PdfPrinting : public ::testing::Test
{
protected:
    QString prefix(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    ScriptedDialogs dialogs;
};

const QStringList questions{u"Wie viele Windstärken gibt es?"_s,
                            u"Wer erfand das Dezimalsystem?"_s,
                            u"Wie heißt die Hauptstadt von Österreich?"_s,
                            u"Was bedeutet „Grüß Gott“?"_s,
                            u"Wie viel kostet 1 € in Cent?"_s,
                            u"Welche Farbe hat ein Löwenzahn?"_s,
                            u"Was ist größer: Maus oder Bär?"_s,
                            u"Wo fließt die Donau?"_s,
                            u"Was übt man mit Lernkärtchen?"_s,
                            u"Wie schreibt man Straße?"_s};

TEST_F(PdfPrinting, FlashCardsComeOutLineByLineInCatalogueOrderInTheArialFace)
{
    PdfPrintService printer(prefix(u"vorderseite"_s));
    ASSERT_TRUE(printJobs(dialogs, printer, flashCardFont,
                          {flashCardJob(questions, questions.size())}));
    ASSERT_EQ(printer.files().size(), 1);

    EXPECT_EQ(pdfLines(printer.files()[0]), questions);

    const QString fonts = popplerOutput(u"pdffonts"_s, {printer.files()[0]});
    const QStringList faces = fonts.split(u'\n').mid(2).filter(QRegularExpression(u"\\S"_s));
    ASSERT_EQ(faces.size(), 1) << fonts.toStdString();
    // Liberation Sans and Arimo share Arial's metrics; nothing else may stand in for it.
    EXPECT_TRUE(
            faces[0].contains(QRegularExpression(u"^(\\w+\\+)?(Arial|LiberationSans|Arimo)\\s"_s)))
            << fonts.toStdString();
    const QStringList columns = faces[0].split(QRegularExpression(u"\\s+"_s));
    EXPECT_EQ(columns.value(columns.size() - 5), u"yes"_s)
            << "font not embedded: " << fonts.toStdString();
}

TEST_F(PdfPrinting, AnIndentedLineStartsSixSpaceWidthsIn)
{
    PdfPrintService printer(prefix(u"einzug"_s));
    ASSERT_TRUE(printJobs(dialogs, printer, editorLayoutFont,
                          {{{u"Hallo"_s, false}, {u"Hallo"_s, true}, {u"Hallo"_s, true}}}));
    const auto pages = pdfWordsByPage(printer.files().value(0));
    ASSERT_EQ(pages.value(0).size(), 3);
    // Arial's space is 569/2048 of an em.
    const double sixSpaces = 6 * 16 * 569.0 / 2048;
    EXPECT_NEAR(pages[0][1].xMin - pages[0][0].xMin, sixSpaces, 0.2);
    EXPECT_NEAR(pages[0][2].xMin, pages[0][1].xMin, 0.01);
    EXPECT_GT(pages[0][1].yMin, pages[0][0].yMax - 1);
}

// Every page, the first included, starts its first line in the top-left corner of the paper.
TEST_F(PdfPrinting, LinesThatDoNotFitGoOnTheNextPageWhole)
{
    QStringList lines;
    for (int i = 1; i <= 100; ++i)
        lines << u"Zeile%1"_s.arg(i);
    PdfPrintService printer(prefix(u"lang"_s));
    ASSERT_TRUE(printJobs(dialogs, printer, flashCardFont, {flashCardJob(lines, lines.size())}));

    EXPECT_EQ(pdfLines(printer.files().value(0)), lines);
    const auto pages = pdfWordsByPage(printer.files().value(0));
    ASSERT_GE(pages.size(), 3);
    for (const QList<WordBox> &page : pages) {
        ASSERT_FALSE(page.isEmpty());
        EXPECT_NEAR(page.first().xMin, 0, pointsPerMillimetre);
        EXPECT_NEAR(page.first().yMin, 0, pointsPerMillimetre);
        EXPECT_LE(page.last().yMax, a4HeightPoints);
    }
    // A full page holds as many lines as fit, not fewer.
    EXPECT_GT(pages[0].last().yMax + (pages[0][1].yMin - pages[0][0].yMin), a4HeightPoints);
}

TEST_F(PdfPrinting, AJobWithoutALineLeavesNoSheet)
{
    PdfPrintService printer(prefix(u"leer"_s));
    EXPECT_TRUE(printJobs(dialogs, printer, flashCardFont, {flashCardJob(questions, 0)}));
    EXPECT_TRUE(printer.files().isEmpty());
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(PdfPrinting, AJobThatCannotBeginIsReportedAsRefused)
{
    PdfPrintService printer(prefix(u"fehlt/karten"_s));
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    EXPECT_FALSE(printJobs(dialogs, printer, flashCardFont,
                           {flashCardJob(questions, 2), flashCardJob(questions, 2)}));
}

TEST(SystemPrinting, WithoutADefaultPrinterNothingIsSentAndTheReasonIsNoPrinter)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the test would print on it";
    SystemPrintService printer;
    printer.setFontName(u"Arial"_s);
    printer.setFontSize(18);
    printer.printLine(u"Hallo"_s);
    printer.printLineAt(6, u"Welt"_s);
    EXPECT_EQ(printer.endDocument(), PrintOutcome::NoPrinter);
    EXPECT_EQ(printer.endDocument(), PrintOutcome::Done); // the next job starts afresh, empty
}

} // namespace
