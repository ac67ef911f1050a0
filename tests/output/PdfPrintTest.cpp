// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches the paper, read back from PDF files with the poppler tools.
#include "output/EditorLayouts.h"
#include "output/FlashCards.h"
#include "output/PdfPrintService.h"

#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word on every page as {x, y, text}, in points from the top-left corner of its page.
QList<QList<std::tuple<double, double, QString>>> pdfWordsByPage(const QString &file)
{
    static const QRegularExpression word(
            uR"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="[-\d.]+" yMax="[-\d.]+">([^<]*)</word>)re"_s);
    QList<QList<std::tuple<double, double, QString>>> pages;
    const QString html = popplerOutput(u"pdftotext"_s, {u"-bbox"_s, file, u"-"_s});
    for (const QString &page : html.split(u"<page "_s).mid(1)) {
        pages.append(QList<std::tuple<double, double, QString>>());
        for (const QRegularExpressionMatch &m : word.globalMatch(page))
            pages.last().append(
                    {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return pages;
}

// Lines come out in order, each page from its top-left corner and as full as it can be, in
// an embedded Arial or a face with its metrics; an indented line starts six spaces in.
TEST(PdfPrinting, LinesGoOnPagesInOrderInTheArialFace)
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    PdfPrintService printer(dir.filePath(u"karten"_s));
    PrintJob job = flashCardJob(numbered(u"Zeile"_s, 1, 100), 100);
    job[1].indented = true;
    ASSERT_TRUE(printJobs(dialogs, printer, editorLayoutFont, {job, flashCardJob({}, 0)}));
    ASSERT_EQ(printer.files().size(), 1) << "a job without a line leaves no sheet";

    const auto pages = pdfWordsByPage(printer.files()[0]);
    QStringList words;
    for (const auto &page : pages) {
        EXPECT_NEAR(std::get<0>(page.first()), 0, 3);
        EXPECT_NEAR(std::get<1>(page.first()), 0, 3);
        for (const auto &[x, y, text] : page)
            words << text;
    }
    EXPECT_EQ(words, numbered(u"Zeile"_s, 1, 100));
    ASSERT_GE(pages.size(), 3);
    const double lineHeight = std::get<1>(pages[0][1]) - std::get<1>(pages[0][0]);
    EXPECT_GT(std::get<1>(pages[0].last()) + 2 * lineHeight, 297 * 72 / 25.4);
    EXPECT_NEAR(std::get<0>(pages[0][1]) - std::get<0>(pages[0][0]), 6 * 16 * 569.0 / 2048,
                0.2); // Arial's space: 569/2048

    const QString fonts = popplerOutput(u"pdffonts"_s, {printer.files()[0]});
    const QStringList faces = fonts.split(u'\n').mid(2).filter(QRegularExpression(u"\\S"_s));
    ASSERT_EQ(faces.size(), 1) << fonts.toStdString();
    EXPECT_TRUE(faces[0].contains(QRegularExpression(
            u"^(\\w+\\+)?(Arial|LiberationSans|Arimo)\\s.*\\syes\\s+(yes|no)\\s+(yes|no)\\s"_s)))
            << "font not Arial-like or not embedded: " << fonts.toStdString();
}

TEST(PdfPrinting, AJobThatCannotBeginIsReportedAsRefused)
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    PdfPrintService printer(dir.filePath(u"fehlt/karten"_s));
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    EXPECT_FALSE(printJobs(dialogs, printer, flashCardFont,
                           {flashCardJob({u"Frage"_s}, 1), flashCardJob({u"Frage"_s}, 1)}));
}

} // namespace
