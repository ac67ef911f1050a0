#include "output/EditorOutput.h"

#include "support/QtPrinters.h"
#include "support/RecordingClipboard.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Line = RecordingPrinter::Line;

const QStringList twoQuestions{u"Wie heißt die Hauptstadt von Österreich?"_s, u"Was ist 3 + 4?"_s};
const QStringList twoAnswers{u"Wien"_s, u"Sieben"_s};

Line indentedLine(const QString &text)
{
    return {text, 6, u"Arial"_s, 16};
}

Line spacerLine()
{
    return {u" "_s, 0, u"Arial"_s, 16};
}

class EditorOutputFixture
{
protected:
    void produce(EditorLayout layout, OutputMode mode, const QStringList &questions = twoQuestions,
                 const QStringList &answers = twoAnswers)
    {
        produceEditorOutput(layout, mode, questions, answers, {dialogs, printer, clipboard});
    }

    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
};

struct PrintCase
{
    const char *name;
    EditorLayout layout;
    QStringList questions;
    QStringList answers;
    QList<RecordingPrinter::Job> jobs;
};

class EditorPrinting : public EditorOutputFixture, public ::testing::TestWithParam<PrintCase>
{
};

const QString sixtyUnderscores(60, u'_');

INSTANTIATE_TEST_SUITE_P(
    Layouts, EditorPrinting,
    ::testing::Values(
        PrintCase{"QuestionsOnly", EditorLayout::Questions, twoQuestions, twoAnswers,
                  {{indentedLine(twoQuestions[0]), indentedLine(u"Was ist 3 + 4?"_s)}}},
        PrintCase{"AnswersOnly", EditorLayout::Answers, twoQuestions, twoAnswers,
                  {{indentedLine(u"Wien"_s), indentedLine(u"Sieben"_s)}}},
        PrintCase{"PairsWithSpacer", EditorLayout::Pairs, twoQuestions, twoAnswers,
                  {{indentedLine(twoQuestions[0]), indentedLine(u"Wien"_s), spacerLine(),
                    indentedLine(u"Was ist 3 + 4?"_s), indentedLine(u"Sieben"_s), spacerLine()}}},
        PrintCase{"PairsWithAShortAnswerList", EditorLayout::Pairs, twoQuestions, {u"Wien"_s},
                  {{indentedLine(twoQuestions[0]), indentedLine(u"Wien"_s), spacerLine(),
                    indentedLine(u"Was ist 3 + 4?"_s), indentedLine(u""_s), spacerLine()}}},
        PrintCase{"BlockAsTwoJobs", EditorLayout::Block, twoQuestions, twoAnswers,
                  {{indentedLine(twoQuestions[0]), indentedLine(u"Was ist 3 + 4?"_s)},
                   {indentedLine(u"Wien"_s), indentedLine(u"Sieben"_s)}}},
        PrintCase{"QuestionsWithAnswerLines", EditorLayout::AnswerLines, twoQuestions, twoAnswers,
                  {{indentedLine(twoQuestions[0]), indentedLine(sixtyUnderscores), spacerLine(),
                    indentedLine(u"Was ist 3 + 4?"_s), indentedLine(sixtyUnderscores), spacerLine()}}},
        PrintCase{"EmptyCatalogueBlock", EditorLayout::Block, {}, {}, {{}, {}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(EditorPrinting, PrintsTheLayoutInArial16AndClosesWithItsMessage)
{
    const PrintCase &c = GetParam();
    dialogs.expectMessage(u"Daten werden gedruckt ..."_s, u"Drucken"_s);
    produce(c.layout, OutputMode::Print, c.questions, c.answers);
    EXPECT_EQ(printer.jobs, c.jobs);
    EXPECT_TRUE(printer.pending.isEmpty());
    // Set once, before the first line: the answers of the block layout keep it.
    EXPECT_EQ(printer.fontSettings, (QStringList{u"name Arial"_s, u"size 16"_s}));
    EXPECT_TRUE(clipboard.calls.isEmpty());
}

struct CopyCase
{
    const char *name;
    EditorLayout layout;
    QStringList questions;
    QStringList answers;
    QString text;
};

class EditorCopying : public EditorOutputFixture, public ::testing::TestWithParam<CopyCase>
{
};

const QStringList plainQuestions{u"Frage 1"_s, u"Frage 2"_s};
const QStringList plainAnswers{u"Antwort 1"_s, u"Antwort 2"_s};

INSTANTIATE_TEST_SUITE_P(
    Layouts, EditorCopying,
    ::testing::Values(
        CopyCase{"QuestionsOnly", EditorLayout::Questions, plainQuestions, plainAnswers,
                 u"Frage 1\r\nFrage 2\r\n"_s},
        CopyCase{"AnswersOnly", EditorLayout::Answers, plainQuestions, plainAnswers,
                 u"Antwort 1\r\nAntwort 2\r\n"_s},
        CopyCase{"PairsWithoutEmptyLines", EditorLayout::Pairs, plainQuestions, plainAnswers,
                 u"Frage 1\r\nAntwort 1\r\nFrage 2\r\nAntwort 2\r\n"_s},
        CopyCase{"PairsWithAShortAnswerList", EditorLayout::Pairs, plainQuestions, {u"Antwort 1"_s},
                 u"Frage 1\r\nAntwort 1\r\nFrage 2\r\n\r\n"_s},
        CopyCase{"Block", EditorLayout::Block, plainQuestions, plainAnswers,
                 u"Frage 1\r\nFrage 2\r\n\r\nAntwort 1\r\nAntwort 2\r\n"_s},
        CopyCase{"QuestionsWithAnswerLines", EditorLayout::AnswerLines, plainQuestions, plainAnswers,
                 u"Frage 1\r\n________________________________________\r\n\r\n"
                 u"Frage 2\r\n________________________________________\r\n\r\n"_s},
        CopyCase{"Umlauts", EditorLayout::Questions, {u"Größe der Übergänge"_s}, {u"ß"_s},
                 u"Größe der Übergänge\r\n"_s},
        CopyCase{"EmptyCatalogueQuestions", EditorLayout::Questions, {}, {}, u""_s},
        CopyCase{"EmptyCatalogueBlock", EditorLayout::Block, {}, {}, u"\r\n"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(EditorCopying, PutsTheLayoutOnTheClipboardAndClosesWithItsMessage)
{
    const CopyCase &c = GetParam();
    dialogs.expectMessage(u"Daten wurden kopiert ..."_s, u"Kopieren"_s);
    produce(c.layout, OutputMode::Copy, c.questions, c.answers);
    EXPECT_EQ(clipboard.calls, (QStringList{u"clear"_s, u"set:"_s + c.text}));
    EXPECT_TRUE(printer.jobs.isEmpty());
    EXPECT_TRUE(printer.fontSettings.isEmpty());
}

class EditorPrintFailure : public EditorOutputFixture, public ::testing::Test
{
};

TEST_F(EditorPrintFailure, NoPrinterIsToldAndNothingIsReportedAsPrinted)
{
    printer.outcomes = {PrintOutcome::NoPrinter};
    dialogs.expectMessage(u"Kein Drucker verfügbar: Es ist kein Standarddrucker eingerichtet.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    produce(EditorLayout::Questions, OutputMode::Print);
    EXPECT_EQ(printer.jobs.size(), 1);
}

TEST_F(EditorPrintFailure, ARefusedQuestionJobOfTheBlockLayoutStopsBeforeTheAnswers)
{
    printer.outcomes = {PrintOutcome::Refused};
    dialogs.expectMessage(u"Der Drucker hat den Druckauftrag abgelehnt.\r"_s, u"Drucken"_s,
                          MsgBox::OkOnly | MsgBox::Exclamation);
    produce(EditorLayout::Block, OutputMode::Print);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].size(), 2);
    EXPECT_TRUE(printer.pending.isEmpty());
}

struct LayoutRow
{
    int listIndex;
    EditorLayout layout;
    const char *name;
};

class LayoutListEntries : public ::testing::TestWithParam<LayoutRow>
{
};

INSTANTIATE_TEST_SUITE_P(Rows, LayoutListEntries,
                         ::testing::Values(LayoutRow{-1, EditorLayout::Questions, "Nur die Fragen"},
                                           LayoutRow{0, EditorLayout::Questions, "Nur die Fragen"},
                                           LayoutRow{1, EditorLayout::Answers, "Nur die Antworten"},
                                           LayoutRow{2, EditorLayout::Pairs, "Fragen-Antworten-Paare"},
                                           LayoutRow{3, EditorLayout::Block, "Fragen-Antworten-Block"},
                                           LayoutRow{4, EditorLayout::AnswerLines, "Fragen mit Antwortzeile"}));

TEST_P(LayoutListEntries, RowGivesItsLayoutAndNoSelectionTheFirst)
{
    const LayoutRow &row = GetParam();
    EXPECT_EQ(editorLayoutAt(row.listIndex), row.layout);
    EXPECT_EQ(editorLayoutNames().value(int(row.layout) - 1), QString::fromUtf8(row.name));
    EXPECT_EQ(editorLayoutNames().size(), 5);
}

} // namespace
