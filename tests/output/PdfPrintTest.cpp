// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/EditorOutput.h"
#include "output/FlashCards.h"
#include "desktop/PdfPrintService.h"
#include "desktop/QtDialogs.h"
#include "desktop/SystemPrintService.h"

#include "catalogue/TestFiles.h"
#include "support/FullDisk.h"
#include "support/QtPrinters.h"
#include "support/RecordingClipboard.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

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

    friend bool operator==(const WordBox &, const WordBox &) = default;
    friend void PrintTo(const WordBox &word, std::ostream *out)
    {
        *out << word.text.toStdString() << " at " << word.xMin << ", " << word.yMin;
    }
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

bool printOnce(Dialogs &dialogs, PrintService &printer, const PrintFont &font,
               const QList<PrintJob> &jobs)
{
    return PrintSession(dialogs, printer, u"KARTEN.PDF"_s).print(font, jobs);
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
    ASSERT_TRUE(printOnce(dialogs, printer, flashCardFont,
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
    ASSERT_TRUE(printOnce(dialogs, printer, editorLayoutFont,
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
    ASSERT_TRUE(printOnce(dialogs, printer, flashCardFont, {flashCardJob(lines, lines.size())}));

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
    EXPECT_TRUE(printOnce(dialogs, printer, flashCardFont, {flashCardJob(questions, 0)}));
    EXPECT_TRUE(printer.files().isEmpty());
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(PdfPrinting, AJobThatCannotBeginIsReportedAsRefused)
{
    PdfPrintService printer(prefix(u"fehlt/karten"_s));
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    EXPECT_FALSE(printOnce(dialogs, printer, flashCardFont,
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

// No default printer: the pages may go into a PDF file instead.

const QString pdfOffer =
        u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als PDF-Datei gespeichert werden?\r"_s;
constexpr int pdfOfferStyle = MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2;

class NoPrinterService final : public PainterPrintService
{
protected:
    std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) override
    {
        failure = PrintOutcome::NoPrinter;
        return nullptr;
    }
};

// The working folder is the test's folder, where KARTEN.PDF is proposed.
class PdfInsteadOfPrinter : public PdfPrinting
{
protected:
    void SetUp() override { QDir::setCurrent(m_dir.path()); }
    void TearDown() override { QDir::setCurrent(m_previousDir); }

    // The offer answered with `button`; on Yes the save dialog answered with `chosen`.
    void expectOffer(int button, const QString &chosen = {})
    {
        dialogs.expectMessage(pdfOffer, u"Drucken"_s, pdfOfferStyle, button);
        if (button == MsgBox::Yes)
            dialogs.expectSaveFile(u"Als PDF-Datei speichern"_s, cardsPdf,
                                   u"PDF-Dateien (*.pdf *.PDF)"_s, chosen);
    }

    const QString m_previousDir = QDir::currentPath();
    const QString cardsPdf = prefix(u"KARTEN.PDF"_s);
    NoPrinterService printer;
    PrintSession session{dialogs, printer, u"KARTEN.PDF"_s};
};

const QStringList answers{u"Zwölf"_s, u"Die Inder"_s, u"Wien"_s};

// As the flash-card command prints: the front side, then, if the user goes on, the back.
TEST_F(PdfInsteadOfPrinter, YesReplacesTheFileWithTheFrontAndThenAddsTheBackAskingOnce)
{
    putFile(cardsPdf, "alte Datei");
    expectOffer(MsgBox::Yes, cardsPdf);
    ASSERT_TRUE(session.print(flashCardFont, {flashCardJob(questions, 3)}));
    EXPECT_EQ(pdfLines(cardsPdf), questions.mid(0, 3)); // what stays when the back is declined

    ASSERT_TRUE(session.print(flashCardFont, {flashCardJob(answers, 3)}));
    EXPECT_EQ(pdfLines(cardsPdf), questions.mid(0, 3) + answers);
    EXPECT_EQ(pdfWordsByPage(cardsPdf).size(), 2) << "the back starts a page of its own";
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"KARTEN.PDF"_s});
}

TEST_F(PdfInsteadOfPrinter, TheFileHoldsThePagesThePrinterWouldHaveGot)
{
    PrintJob job;
    for (int i = 1; i <= 60; ++i)
        job.append({u"Zeile %1"_s.arg(i), i % 3 == 0});
    PdfPrintService paper(prefix(u"papier"_s));
    ASSERT_TRUE(printOnce(dialogs, paper, editorLayoutFont, {job}));
    expectOffer(MsgBox::Yes, cardsPdf);
    ASSERT_TRUE(session.print(editorLayoutFont, {job}));
    EXPECT_EQ(pdfWordsByPage(cardsPdf), pdfWordsByPage(paper.files().value(0)));
}

// Each ends the command and leaves the folder as it was. "{dir}" stands for the test's folder.
struct NoFileCase
{
    const char *name;
    int button;
    QString chosen, reason;
    bool fullDisk = false;
};

class PdfNotWritten : public PdfInsteadOfPrinter, public ::testing::WithParamInterface<NoFileCase>
{ };

TEST_P(PdfNotWritten, EndsTheCommandAndKeepsTheOldFile)
{
    const NoFileCase &c = GetParam();
    putFile(cardsPdf, "alte Datei");
    expectOffer(c.button, QString(c.chosen).replace(u"{dir}"_s, m_dir.path()));
    if (!c.reason.isEmpty())
        dialogs.expectMessage(u"Die PDF-Datei wurde nicht gespeichert.\r"_s
                                      + QString(c.reason).replace(u"{dir}"_s, m_dir.path()) + u'\r',
                              u"Dateifehler"_s);
    std::optional<FullDisk> fullDisk;
    if (c.fullDisk) {
        ASSERT_TRUE(fullDisk.emplace(1000).active());
    }
    EXPECT_FALSE(session.print(flashCardFont, {flashCardJob(questions, 3)}));
    fullDisk.reset();
    EXPECT_EQ(fileBytes(cardsPdf), "alte Datei");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{u"KARTEN.PDF"_s});
}

INSTANTIATE_TEST_SUITE_P(
        Answers, PdfNotWritten,
        ::testing::Values(
                NoFileCase{"No", MsgBox::No, {}, {}},
                NoFileCase{"SaveDialogCancelled", MsgBox::Yes, {}, {}},
                NoFileCase{"MissingFolder", MsgBox::Yes, u"{dir}/FEHLT/KARTEN.PDF"_s,
                           u"Den Ordner „{dir}/FEHLT“ gibt es nicht."_s},
                NoFileCase{
                        "FullDisk", MsgBox::Yes, u"{dir}/KARTEN.PDF"_s,
                        u"Die Datei „{dir}/KARTEN.PDF“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s,
                        true}),
        [](const auto &info) { return std::string(info.param.name); });

// Both jobs of the block layout go into the file, the first one already refused by the
// missing printer; the closing message follows the written file.
TEST(PdfOffer, TheEditorProposesListePdf)
{
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    printer.outcomes = {PrintOutcome::NoPrinter};
    dialogs.expectMessage(pdfOffer, u"Drucken"_s, pdfOfferStyle, MsgBox::Yes);
    dialogs.expectSaveFile(u"Als PDF-Datei speichern"_s,
                           QDir::current().absoluteFilePath(u"LISTE.PDF"_s),
                           u"PDF-Dateien (*.pdf *.PDF)"_s, u"/ablage/liste.pdf"_s);
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    produceEditorOutput(EditorLayout::Block, OutputMode::Print, {u"Frage"_s}, {u"Antwort"_s},
                        {dialogs, printer, clipboard});
    ASSERT_EQ(printer.pdfFiles.size(), 1);
    EXPECT_EQ(printer.pdfFiles[0].path, u"/ablage/liste.pdf"_s);
    const PrintJob question{{u"Frage"_s, true}}, answer{{u"Antwort"_s, true}};
    EXPECT_EQ(printer.pdfFiles[0].runs, (QList<PrintRun>{{{u"Arial"_s, 16}, {question, answer}}}));
    EXPECT_EQ(printer.jobs.size(), 1) << "the answers went to the printer as well";
}

// The real dialog: Qt's own, in German, with the proposed name in the proposed folder.
TEST(PdfSaveDialog, ProposesTheNameInGermanAndGivesThePathOrNothing)
{
    QTemporaryDir dir;
    const QString proposed = dir.filePath(u"KARTEN.PDF"_s);
    for (const bool accept : {true, false}) {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), u"Als PDF-Datei speichern"_s);
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text(), u"KARTEN.PDF"_s);
            const auto *buttons = dialog->findChild<QDialogButtonBox *>();
            EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
            QDialog *asDialog = dialog; // accept() is protected in QFileDialog
            accept ? asDialog->accept() : asDialog->reject();
        });
        EXPECT_EQ(QtDialogs().saveFileName(u"Als PDF-Datei speichern"_s, proposed,
                                           u"PDF-Dateien (*.pdf *.PDF)"_s),
                  accept ? proposed : QString());
    }
}

} // namespace
