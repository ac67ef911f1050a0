// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

namespace {

using LayoutList = ProgramFixture;

// "Drucken ..." and "Ablage ..." open the list in their mode (yellow or red) and the other
// button closes it; a double-click puts out that layout, and the print lock does not apply.
// Without a printer both jobs of the block layout go into one file proposed as LISTE.PDF.
// The list is filled when the editor is shown, even by a window manager that does not
// activate it.
TEST_F(LayoutList, PrintsAndCopiesTheLayoutDoubleClicked)
{
    editorList(u"Liste3"_s).setTexts({});
    openEditor();
    setCatalogue({u"Frage 1"_s, u"Frage 2"_s}, {u"Antwort 1"_s, u"Antwort 2"_s});
    ListBox &list = editorList(u"Liste3"_s);
    EXPECT_EQ(list.count(), 5);
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
    printer.outcomes = {PrintOutcome::NoPrinter};
    dialogs.expectPdfOffer(BoxAnswer::Yes, QDir::current().absoluteFilePath(u"LISTE.PDF"_s),
                           u"/ablage/liste.pdf"_s);
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    clickRow(list, 3, true);
    ASSERT_EQ(printer.pdfFiles.size(), 1);
    EXPECT_EQ(printer.pdfFiles[0].path, u"/ablage/liste.pdf"_s);
    const PrintJob questions{{u"Frage 1"_s, true}, {u"Frage 2"_s, true}},
            answers{{u"Antwort 1"_s, true}, {u"Antwort 2"_s, true}};
    EXPECT_EQ(printer.pdfFiles[0].runs,
              (QList<PrintRun>{{{u"Arial"_s, 16}, {questions, answers}}}));
}

} // namespace
