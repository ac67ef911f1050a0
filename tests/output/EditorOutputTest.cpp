// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/EditorOutput.h"

#include "support/QtPrinters.h"
#include "support/RecordingClipboard.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList questions{u"Wie heißt die Hauptstadt von Österreich?"_s, u"Was ist 3 + 4?"_s};
const QStringList answers{u"Wien"_s, u"Sieben"_s};
const QString q0 = questions[0], q1 = questions[1];

RecordingPrinter::Line indented(const QString &text)
{
    return {text, 6, u"Arial"_s, 16};
}
const RecordingPrinter::Line spacer{u" "_s, 0, u"Arial"_s, 16};

// The jobs on paper, the text in the clipboard.
struct LayoutCase
{
    const char *name;
    EditorLayout layout;
    QStringList questions, answers;
    QList<RecordingPrinter::Job> jobs;
    QString text;
};

class EditorOutputLayouts : public ::testing::TestWithParam<LayoutCase>
{ };

TEST_P(EditorOutputLayouts, GoOnPaperInArial16AndIntoTheClipboardEachWithItsMessage)
{
    const LayoutCase &c = GetParam();
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    produceEditorOutput(c.layout, OutputMode::Print, c.questions, c.answers,
                        {dialogs, printer, clipboard});
    EXPECT_EQ(printer.jobs, c.jobs);
    EXPECT_TRUE(printer.pending.isEmpty());
    // Set once, before the first line: the answers of the block layout keep it.
    EXPECT_EQ(printer.fontSettings, (QStringList{u"name Arial"_s, u"size 16"_s}));
    EXPECT_TRUE(clipboard.calls.isEmpty());

    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    produceEditorOutput(c.layout, OutputMode::Copy, c.questions, c.answers,
                        {dialogs, printer, clipboard});
    EXPECT_EQ(clipboard.calls, (QStringList{u"clear"_s, u"set:"_s + c.text}));
    EXPECT_EQ(printer.jobs, c.jobs) << "copying printed as well";
}

const QString underscores40(40, u'_');
const QString underscores60(60, u'_');

INSTANTIATE_TEST_SUITE_P(
        Layouts, EditorOutputLayouts,
        ::testing::Values(
                LayoutCase{"QuestionsOnly",
                           EditorLayout::Questions,
                           questions,
                           answers,
                           {{indented(q0), indented(q1)}},
                           q0 + u"\r\n"_s + q1 + u"\r\n"_s},
                LayoutCase{"AnswersOnly",
                           EditorLayout::Answers,
                           questions,
                           answers,
                           {{indented(u"Wien"_s), indented(u"Sieben"_s)}},
                           u"Wien\r\nSieben\r\n"_s},
                LayoutCase{"PairsWithSpacerOnPaperOnly",
                           EditorLayout::Pairs,
                           questions,
                           answers,
                           {{indented(q0), indented(u"Wien"_s), spacer, indented(q1),
                             indented(u"Sieben"_s), spacer}},
                           q0 + u"\r\nWien\r\n"_s + q1 + u"\r\nSieben\r\n"_s},
                LayoutCase{"PairsWithAShortAnswerList",
                           EditorLayout::Pairs,
                           questions,
                           {u"Wien"_s},
                           {{indented(q0), indented(u"Wien"_s), spacer, indented(q1),
                             indented(QString()), spacer}},
                           q0 + u"\r\nWien\r\n"_s + q1 + u"\r\n\r\n"_s},
                LayoutCase{"BlockAnswersAsASecondJob",
                           EditorLayout::Block,
                           questions,
                           answers,
                           {{indented(q0), indented(q1)},
                            {indented(u"Wien"_s), indented(u"Sieben"_s)}},
                           q0 + u"\r\n"_s + q1 + u"\r\n\r\nWien\r\nSieben\r\n"_s},
                LayoutCase{"QuestionsWithAnswerLines",
                           EditorLayout::AnswerLines,
                           questions,
                           answers,
                           {{indented(q0), indented(underscores60), spacer, indented(q1),
                             indented(underscores60), spacer}},
                           q0 + u"\r\n"_s + underscores40 + u"\r\n\r\n"_s + q1 + u"\r\n"_s
                                   + underscores40 + u"\r\n\r\n"_s},
                LayoutCase{"EmptyCatalogueQuestions",
                           EditorLayout::Questions,
                           {},
                           {},
                           {{}},
                           QString()},
                LayoutCase{
                        "EmptyCatalogueBlock", EditorLayout::Block, {}, {}, {{}, {}}, u"\r\n"_s}),
        [](const auto &info) { return std::string(info.param.name); });

TEST(EditorLayouts, EachRowOfTheListGivesItsLayoutAndNoSelectionTheFirst)
{
    EXPECT_EQ(editorLayoutAt(-1), EditorLayout::Questions);
    const EditorLayout rows[] = {EditorLayout::Questions, EditorLayout::Answers,
                                 EditorLayout::Pairs, EditorLayout::Block,
                                 EditorLayout::AnswerLines};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(editorLayoutAt(row), rows[row]) << "row " << row;
}

} // namespace
