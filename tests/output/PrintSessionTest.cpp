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

// How close the ink comes to each edge of the first page, rendered at 144 dpi, in pixels: left,
// top, right, bottom.
QList<int> inkMargins(const QString &file)
{
    popplerOutput(u"pdftoppm"_s, {u"-r"_s, u"144"_s, u"-png"_s, u"-singlefile"_s, file, file});
    const QImage page(file + u".png"_s);
    QFile::remove(file + u".png"_s);
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            ink |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    return {ink.left(), ink.top(), page.width() - 1 - ink.right(),
            page.height() - 1 - ink.bottom()};
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

// The long line ends at the margin; a printer's own border of 5 mm cuts off no letter.
TEST_F(PdfOffer, YesPutsTheFrontAndThenTheBackIntoOneFileAskingOnce)
{
    dialogs.expectPdfOffer(BoxAnswer::Yes, cards, cards);
    ASSERT_TRUE(printFront());
    const QStringList front = pdfLines(cards);
    ASSERT_EQ(front.size(), 2);
    EXPECT_EQ(front[0], questions[0]);
    EXPECT_TRUE(front[1].startsWith(u"Wer erfand das Schach?"_s)
                && front[1].size() < questions[1].size());
    for (int margin : inkMargins(cards))
        EXPECT_GE(margin * 25.4 / 144, 5);
    ASSERT_TRUE(session.print(flashCardFont, {flashCardJob({u"Zwölf"_s, u"Die Inder"_s}, 2)}));
    EXPECT_EQ(pdfLines(cards).mid(2), QStringList({u"Zwölf"_s, u"Die Inder"_s}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"KARTEN.PDF"_s}));
}

// Each ends the command and leaves the old file and the folder as they were.
TEST_F(PdfOffer, NoACancelledDialogOrAFileThatCannotBeWrittenEndTheCommand)
{
    const std::pair<BoxAnswer, QString> cases[] = {
            {BoxAnswer::No, {}}, {BoxAnswer::Yes, {}}, {BoxAnswer::Yes, cards}};
    for (const auto &[button, chosen] : cases) {
        PrintSession command(dialogs, printer, u"KARTEN.PDF"_s);
        dialogs.expectPdfOffer(button, cards, chosen);
        if (!chosen.isEmpty())
            dialogs.expectMessage(
                    u"Die PDF-Datei wurde nicht gespeichert.\rDie Datei „%1“ konnte nicht vollständig geschrieben werden. Der Datenträger ist voll.\r"_s
                            .arg(cards),
                    u"Dateifehler"_s);
        onAFullDisk(
                [&] { EXPECT_FALSE(command.print(flashCardFont, {flashCardJob(questions, 2)})); });
        EXPECT_EQ(fileBytes(cards), "alte Datei");
        EXPECT_EQ(
                QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                QStringList{u"KARTEN.PDF"_s});
    }
}

} // namespace
