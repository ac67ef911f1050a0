// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/EditorLayouts.h"
#include "output/EditorOutput.h"

#include "support/Doubles.h"
#include "support/ScriptedDialogs.h"

namespace {

const QString q0 = u"Wie heißt die Hauptstadt von Österreich?"_s, q1 = u"Was ist 3 + 4?"_s;
const QString lines40(40, u'_'), lines60(60, u'_');

// `row` of the layout list (-1: none selected); `jobs` on paper, every line but the spacer " "
// six spaces in; `text` in the clipboard.
struct LayoutCase
{
    const char *name;
    int row;
    QStringList questions, answers;
    QList<QStringList> jobs;
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
    for (const OutputMode mode : {OutputMode::Print, OutputMode::Copy}) {
        const bool print = mode == OutputMode::Print;
        dialogs.expectMessage(print ? u"Daten werden gedruckt ..."_s
                                    : u"Daten wurden kopiert ..."_s,
                              print ? u"Drucken"_s : u"Kopieren"_s);
        produceEditorOutput(editorLayoutAt(c.row), mode, c.questions, c.answers,
                            {dialogs, printer, clipboard});
    }
    QList<RecordingPrinter::Job> jobs;
    for (const QStringList &job : c.jobs) {
        jobs.append(RecordingPrinter::Job());
        for (const QString &text : job)
            jobs.last().append({text, text == u" "_s ? 0 : 6, u"Arial 16"_s});
    }
    EXPECT_EQ(printer.jobs, jobs); // once: copying prints nothing
    EXPECT_EQ(clipboard.calls, (QStringList{u"clear"_s, u"set:"_s + c.text})); // once
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, EditorOutputLayouts, ::testing::Values(
    LayoutCase{"NoSelectionGivesQuestionsOnly", -1, {q0, q1}, {u"Wien"_s, u"7"_s}, {{q0, q1}}, q0 + u"\r\n"_s + q1 + u"\r\n"_s},
    LayoutCase{"AnswersOnly", 1, {q0, q1}, {u"Wien"_s, u"7"_s}, {{u"Wien"_s, u"7"_s}}, u"Wien\r\n7\r\n"_s},
    LayoutCase{"PairsWithSpacerOnPaperOnly", 2, {q0, q1}, {u"Wien"_s}, {{q0, u"Wien"_s, u" "_s, q1, QString(), u" "_s}}, q0 + u"\r\nWien\r\n"_s + q1 + u"\r\n\r\n"_s},
    LayoutCase{"BlockAnswersAsASecondJob", 3, {q0, q1}, {u"Wien"_s, u"7"_s}, {{q0, q1}, {u"Wien"_s, u"7"_s}}, q0 + u"\r\n"_s + q1 + u"\r\n\r\nWien\r\n7\r\n"_s},
    LayoutCase{"QuestionsWithAnswerLines", 4, {q0}, {u"Wien"_s}, {{q0, lines60, u" "_s}}, q0 + u"\r\n"_s + lines40 + u"\r\n\r\n"_s},
    LayoutCase{"EmptyCatalogueBlock", 3, {}, {}, {{}, {}}, u"\r\n"_s}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
