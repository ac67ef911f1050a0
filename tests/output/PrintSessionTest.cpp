// SPDX-License-Identifier: GPL-3.0-or-later
// Without a default printer the pages may go into a PDF file instead, read back here with the
// poppler tools.
#include "desktop/PainterPrintService.h"
#include "output/FlashCards.h"
#include "output/PrintSession.h"
#include "support/Pdf.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString offer =
        u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als PDF-Datei gespeichert werden?\r"_s;
constexpr BoxStyles offerStyle = BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault;
const QString saveTitle = u"Als PDF-Datei speichern"_s;
const QString pdfFilter = u"PDF-Dateien (*.pdf *.PDF)"_s;

class NoPrinterService final : public PainterPrintService
{
protected:
    std::unique_ptr<QPrinter> createPrinter(PrintOutcome &failure) override
    {
        failure = PrintOutcome::NoPrinter;
        return nullptr;
    }
};

// The printed lines of a PDF file, pages one after the other.
QStringList pdfLines(const QString &file)
{
    return popplerOutput(u"pdftotext"_s, {file, u"-"_s})
            .split(QRegularExpression(u"[\n\f]+"_s), Qt::SkipEmptyParts);
}

// How close the ink comes to the edges of the first page of a PDF file, rendered at 144 dpi,
// in millimetres: left, top, right, bottom.
QList<double> inkMargins(const QString &file)
{
    popplerOutput(u"pdftoppm"_s,
                  {u"-r"_s, u"144"_s, u"-gray"_s, u"-png"_s, u"-singlefile"_s, file, file});
    const QImage page(file + u".png"_s);
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    QFile::remove(file + u".png"_s);
    const double millimetres = 25.4 / 144;
    return {ink.left() * millimetres, ink.top() * millimetres,
            (page.width() - 1 - ink.right()) * millimetres,
            (page.height() - 1 - ink.bottom()) * millimetres};
}

// As the flash-card command prints: the front side, then, if the user goes on, the back.
class PdfOffer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir::setCurrent(dir.path());
        putFile(cards, "alte Datei");
    }
    bool printFront() { return session.print(flashCardFont, {flashCardJob(questions, 2)}); }

    QTemporaryDir dir;
    const QString cards = dir.filePath(u"KARTEN.PDF"_s);
    // The second runs far beyond the width of the page.
    const QStringList questions{u"Wie viele Monate hat ein Jahr?"_s,
                                u"Wer erfand das Schach"_s + QString(200, u'?')};
    ScriptedDialogs dialogs;
    NoPrinterService printer;
    PrintSession session{dialogs, printer, u"KARTEN.PDF"_s};
};

TEST_F(PdfOffer, YesPutsTheFrontAndThenTheBackIntoOneFileAskingOnce)
{
    dialogs.expectMessage(offer, u"Drucken"_s, offerStyle, BoxAnswer::Yes);
    dialogs.expectSaveFile(saveTitle, cards, pdfFilter, cards);
    ASSERT_TRUE(printFront());
    // What stays when the back is declined; the long line ends at the margin.
    const QStringList front = pdfLines(cards);
    ASSERT_EQ(front.size(), 2);
    EXPECT_EQ(front[0], questions[0]);
    EXPECT_TRUE(front[1].startsWith(u"Wer erfand das Schach?"_s)
                && front[1].size() < questions[1].size());
    // A printer's own border of 5 mm cuts off no letter of the file.
    for (double margin : inkMargins(cards))
        EXPECT_GE(margin, 5);
    ASSERT_TRUE(session.print(flashCardFont, {flashCardJob({u"Zwölf"_s, u"Die Inder"_s}, 2)}));
    EXPECT_EQ(pdfLines(cards).mid(2), QStringList({u"Zwölf"_s, u"Die Inder"_s}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"KARTEN.PDF"_s}));
}

// Each ends the command and leaves the old file and the folder as they were.
TEST_F(PdfOffer, NoACancelledDialogOrAFileThatCannotBeWrittenEndTheCommand)
{
    const QString missing = dir.filePath(u"FEHLT/KARTEN.PDF"_s);
    const std::tuple<BoxAnswer, QString, QString, bool> cases[] = {
            {BoxAnswer::No, {}, {}, false},
            {BoxAnswer::Yes, {}, {}, false},
            {BoxAnswer::Yes, missing,
             u"Den Ordner „%1“ gibt es nicht."_s.arg(dir.filePath(u"FEHLT"_s)), false},
            {BoxAnswer::Yes, cards,
             u"Die Datei „%1“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll."_s
                     .arg(cards),
             true}};
    for (const auto &[button, chosen, reason, fullDisk] : cases) {
        SCOPED_TRACE(reason.toStdString());
        PrintSession command(dialogs, printer, u"KARTEN.PDF"_s);
        dialogs.expectMessage(offer, u"Drucken"_s, offerStyle, button);
        if (button == BoxAnswer::Yes)
            dialogs.expectSaveFile(saveTitle, cards, pdfFilter, chosen);
        if (!reason.isEmpty())
            dialogs.expectMessage(u"Die PDF-Datei wurde nicht gespeichert.\r"_s + reason + u'\r',
                                  u"Dateifehler"_s);
        onAFullDisk(
                [&] { EXPECT_FALSE(command.print(flashCardFont, {flashCardJob(questions, 2)})); },
                fullDisk);
        EXPECT_EQ(fileBytes(cards), "alte Datei");
        EXPECT_EQ(
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList{u"KARTEN.PDF"_s});
    }
}

} // namespace
