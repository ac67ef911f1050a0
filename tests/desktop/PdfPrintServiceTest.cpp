// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the paper, read back from PDF files with the poppler tools.
#include "desktop/PdfPrintService.h"
#include "output/EditorLayouts.h"
#include "output/FlashCards.h"
#include "output/PrintSession.h"
#include "support/Pdf.h"
#include "support/ScriptedDialogs.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// Lines come out in order, each page from its top-left corner and as full as it can be, in an
// embedded Arial or a face with its metrics; an indented line starts six spaces in; a job
// without a line leaves no sheet, and one that cannot begin is reported as refused.
TEST(PdfPrintService, PutsLinesOnPagesInOrderInTheArialFace)
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
