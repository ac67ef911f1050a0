// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorFileFixture.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList questions = {u"Hund"_s, u"Katze"_s, u"Kuh"_s};
const QStringList answers = {u"bellt"_s, u"miaut"_s, u"muht"_s};

// The editor shown on a catalogue of three pairs, the second one selected.
class EditorEditing : public EditorFileFixture
{
protected:
    void SetUp() override
    {
        EditorFileFixture::SetUp();
        setCatalogue(questions, answers);
        editor().questionList->setListIndex(1);
    }

public:
    std::pair<int, int> selectedRows()
    {
        return {editor().questionList->listIndex(), editor().answerList->listIndex()};
    }
    std::pair<QString, QString> inputs()
    {
        return {editor().questionInput->text(), editor().answerInput->text()};
    }
};

enum class Outcome { Added, Unfilled, Duplicate };

struct SaveCase
{
    const char *name;
    const char16_t *question, *answer;
    Outcome outcome;
};

class SavingAPair : public EditorEditing, public ::testing::WithParamInterface<SaveCase>
{ };

TEST_P(SavingAPair, AddsItAtTheEndOrRefusesIt)
{
    const SaveCase &entry = GetParam();
    const QString question = QString::fromUtf16(entry.question);
    const QString answer = QString::fromUtf16(entry.answer);
    const QStringList choicesBefore = choices();
    if (entry.outcome == Outcome::Unfilled)
        dialogs.expectMessage(u"Frage und Antwort ausfüllen!\r"_s, u"Dateifehler"_s);
    if (entry.outcome == Outcome::Duplicate)
        dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);

    typePair(question, answer);

    const bool added = entry.outcome == Outcome::Added;
    EXPECT_EQ(catalogueQuestions(), added ? questions + QStringList{question} : questions);
    EXPECT_EQ(catalogueAnswers(), added ? answers + QStringList{answer} : answers);
    EXPECT_EQ(selectedRows(), added ? std::make_pair(3, 3) : std::make_pair(1, 1));
    EXPECT_EQ(inputs(),
              added ? std::make_pair(QString(), QString()) : std::make_pair(question, answer));
    EXPECT_EQ(choices(), choicesBefore);
    EXPECT_EQ(main().wrongCountLabel->text(), u"0"_s);
}

INSTANTIATE_TEST_SUITE_P(
        Pairs, SavingAPair,
        ::testing::Values(SaveCase{"New", u"Maus", u"piepst", Outcome::Added},
                          SaveCase{"BothEmpty", u"", u"", Outcome::Unfilled},
                          SaveCase{"QuestionEmpty", u"", u"piepst", Outcome::Unfilled},
                          SaveCase{"AnswerEmpty", u"Maus", u"", Outcome::Unfilled},
                          SaveCase{"BlanksAreNotEmpty", u" ", u" ", Outcome::Added},
                          SaveCase{"KnownQuestionNewAnswer", u"Hund", u"piepst",
                                   Outcome::Duplicate},
                          SaveCase{"NewQuestionKnownAnswer", u"Maus", u"muht", Outcome::Duplicate},
                          SaveCase{"KnownPair", u"Kuh", u"muht", Outcome::Duplicate},
                          SaveCase{"AnswerTextAsQuestion", u"muht", u"Kuh", Outcome::Added},
                          SaveCase{"OtherLetterCase", u"hund", u"Bellt", Outcome::Added},
                          SaveCase{"TrailingBlank", u"Hund ", u"bellt ", Outcome::Added}),
        [](const auto &info) { return std::string(info.param.name); });

// A click on either list selects the same row in both; a double-click fills both boxes.
TEST_F(EditorEditing, ADoubleClickedPairSavedUnchangedIsADuplicate)
{
    doubleClickRow(*editor().answerList, 2);
    EXPECT_EQ(inputs(), std::make_pair(u"Kuh"_s, u"muht"_s));
    EXPECT_EQ(selectedRows(), std::make_pair(2, 2));
    EXPECT_EQ(catalogueQuestions(), questions);

    dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);
    click(editor().addPairButton);
    doubleClickRow(*editor().questionList, 0);
    EXPECT_EQ(inputs(), std::make_pair(u"Hund"_s, u"bellt"_s));
    EXPECT_EQ(selectedRows(), std::make_pair(0, 0));
}

struct DeleteCase
{
    const char *name;
    int pairs, selected, selectedAfter;
};

class DeletingAPair : public EditorEditing, public ::testing::WithParamInterface<DeleteCase>
{ };

TEST_P(DeletingAPair, TakesTheSelectedPairOutOfBothLists)
{
    const DeleteCase &c = GetParam();
    loadNumberedCatalogue(c.pairs);
    editor().questionList->setListIndex(c.selected);
    click(editor().deletePairButton);
    QStringList questionsLeft = numbered(u"Frage "_s, 0, c.pairs - 1);
    QStringList answersLeft = numbered(u"Antwort "_s, 0, c.pairs - 1);
    if (c.selected >= 0) {
        questionsLeft.removeAt(c.selected);
        answersLeft.removeAt(c.selected);
    }
    EXPECT_EQ(catalogueQuestions(), questionsLeft);
    EXPECT_EQ(catalogueAnswers(), answersLeft);
    EXPECT_EQ(selectedRows(), std::make_pair(c.selectedAfter, c.selectedAfter));
}

INSTANTIATE_TEST_SUITE_P(Pairs, DeletingAPair,
                         ::testing::Values(DeleteCase{"TheOnlyPair", 1, 0, -1},
                                           DeleteCase{"PairFiveOfTen", 10, 5, 0},
                                           DeleteCase{"NoneSelected", 3, -1, -1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditorEditing, EachClearButtonEmptiesOnlyItsOwnBox)
{
    editor().questionInput->setText(u"Maus"_s);
    editor().answerInput->setText(u"piepst"_s);
    click(editor().clearQuestionButton);
    EXPECT_EQ(inputs(), std::make_pair(QString(), u"piepst"_s));
    editor().questionInput->setText(u"Maus"_s);
    click(editor().clearAnswerButton);
    EXPECT_EQ(inputs(), std::make_pair(u"Maus"_s, QString()));
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(selectedRows(), std::make_pair(1, 1));
}

TEST_F(EditorEditing, APastedLineBreakReachesTheCatalogueAsABlank)
{
    editor().questionInput->clear();
    editor().questionInput->insert(u"Wie heißt\r\ndas Junge?"_s);
    editor().answerInput->clear();
    editor().answerInput->insert(u"Kalb\n"_s);
    click(editor().addPairButton);
    EXPECT_EQ(catalogueQuestions().last(), u"Wie heißt das Junge?"_s);
    EXPECT_EQ(catalogueAnswers().last(), u"Kalb "_s);
}

// A misspelt icon name would leave a button blank, with nothing to click on.
TEST_F(EditorEditing, EveryButtonShowsItsPicture)
{
    for (const PictureButton *button : editor().findChildren<PictureButton *>())
        EXPECT_FALSE(button->icon().pixmap(32).isNull()) << button->toolTip().toStdString();
    EXPECT_EQ(editor().findChildren<PictureButton *>().size(), 12);
}

} // namespace
