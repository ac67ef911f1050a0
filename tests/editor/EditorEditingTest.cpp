#include "support/ProgramFixture.h"

#include "platform/FileListBox.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QStringList questions = {u"Hund"_s, u"Katze"_s, u"Kuh"_s};
const QStringList answers = {u"bellt"_s, u"miaut"_s, u"muht"_s};

// The editor shown on a catalogue of three pairs, the second one selected.
class EditorEditing : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        setCatalogue(questions, answers);
        editor().Liste1->setListIndex(1);
        editor().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor()));
    }

    void setCatalogue(const QStringList &questionTexts, const QStringList &answerTexts)
    {
        editor().Liste1->setTexts(questionTexts);
        editor().Liste2->setTexts(answerTexts);
    }

    void save(const QString &question, const QString &answer)
    {
        editor().Text1->setText(question);
        editor().Text2->setText(answer);
        click(editor().Bild4);
    }

    void clickRow(ListBox *list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }

    void doubleClickRow(ListBox *list, int row)
    {
        clickRow(list, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }

    std::pair<int, int> selectedRows() { return {editor().Liste1->listIndex(), editor().Liste2->listIndex()}; }
    std::pair<QString, QString> inputs() { return {editor().Text1->text(), editor().Text2->text()}; }

private:
    static QPoint rowCentre(ListBox *list, int row)
    {
        return list->visualRect(list->model()->index(row, 0)).center();
    }
};

enum class Outcome { Added, Unfilled, Duplicate };

struct SaveCase
{
    const char *name;
    const char16_t *question;
    const char16_t *answer;
    Outcome outcome;
};

void PrintTo(const SaveCase &entry, std::ostream *out)
{
    *out << entry.name;
}

class SavingAPair : public EditorEditing, public ::testing::WithParamInterface<SaveCase>
{
};

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

    save(question, answer);

    if (entry.outcome == Outcome::Added) {
        EXPECT_EQ(catalogueQuestions(), questions + QStringList{question});
        EXPECT_EQ(catalogueAnswers(), answers + QStringList{answer});
        EXPECT_EQ(selectedRows(), std::make_pair(3, 3));
        EXPECT_EQ(inputs(), std::make_pair(QString(), QString()));
    } else {
        EXPECT_EQ(catalogueQuestions(), questions);
        EXPECT_EQ(catalogueAnswers(), answers);
        EXPECT_EQ(selectedRows(), std::make_pair(1, 1));
        EXPECT_EQ(inputs(), std::make_pair(question, answer));
    }
    EXPECT_EQ(choices(), choicesBefore);
    EXPECT_EQ(main().Bezeichnung8->text(), u"0"_s);
}

INSTANTIATE_TEST_SUITE_P(Pairs, SavingAPair, ::testing::Values(
    SaveCase{"New", u"Maus", u"piepst", Outcome::Added},
    SaveCase{"BothEmpty", u"", u"", Outcome::Unfilled},
    SaveCase{"QuestionEmpty", u"", u"piepst", Outcome::Unfilled},
    SaveCase{"AnswerEmpty", u"Maus", u"", Outcome::Unfilled},
    SaveCase{"BlanksAreNotEmpty", u" ", u" ", Outcome::Added},
    SaveCase{"KnownQuestionNewAnswer", u"Hund", u"piepst", Outcome::Duplicate},
    SaveCase{"NewQuestionKnownAnswer", u"Maus", u"muht", Outcome::Duplicate},
    SaveCase{"KnownPair", u"Kuh", u"muht", Outcome::Duplicate},
    SaveCase{"AnswerTextAsQuestion", u"muht", u"Kuh", Outcome::Added},
    SaveCase{"OtherLetterCase", u"hund", u"Bellt", Outcome::Added},
    SaveCase{"TrailingBlank", u"Hund ", u"bellt ", Outcome::Added}),
    [](const ::testing::TestParamInfo<SaveCase> &info) { return std::string(info.param.name); });

TEST_F(EditorEditing, TheFirstPairOfAnEmptyCatalogueIsSelected)
{
    setCatalogue({}, {});
    save(u"Maus"_s, u"piepst"_s);
    EXPECT_EQ(catalogueQuestions(), QStringList({u"Maus"_s}));
    EXPECT_EQ(selectedRows(), std::make_pair(0, 0));
}

TEST_F(EditorEditing, ADoubleClickedPairSavedUnchangedIsADuplicate)
{
    doubleClickRow(editor().Liste2, 2);
    EXPECT_EQ(inputs(), std::make_pair(u"Kuh"_s, u"muht"_s));
    EXPECT_EQ(selectedRows(), std::make_pair(2, 2));
    EXPECT_EQ(catalogueQuestions(), questions);

    dialogs.expectMessage(u"Eintrag ist schon vorhanden!\r"_s, u"Doppelter Eintrag"_s);
    click(editor().Bild4);
    doubleClickRow(editor().Liste1, 0);
    EXPECT_EQ(inputs(), std::make_pair(u"Hund"_s, u"bellt"_s));
}

TEST_F(EditorEditing, AClickOnEitherListSelectsTheSameRowInBoth)
{
    clickRow(editor().Liste2, 2);
    EXPECT_EQ(selectedRows(), std::make_pair(2, 2));
    clickRow(editor().Liste1, 0);
    EXPECT_EQ(selectedRows(), std::make_pair(0, 0));
}

TEST_F(EditorEditing, DeletingTheOnlyPairLeavesNothingSelected)
{
    setCatalogue({u"Hund"_s}, {u"bellt"_s});
    editor().Liste1->setListIndex(0);
    click(editor().Bild11);
    EXPECT_TRUE(catalogueQuestions().isEmpty());
    EXPECT_TRUE(catalogueAnswers().isEmpty());
    EXPECT_EQ(selectedRows(), std::make_pair(-1, -1));
}

TEST_F(EditorEditing, DeletingPairFiveOfTenSelectsTheFirstPair)
{
    QStringList tenQuestions, tenAnswers;
    for (int i = 0; i < 10; ++i) {
        tenQuestions << u"Frage %1"_s.arg(i);
        tenAnswers << u"Antwort %1"_s.arg(i);
    }
    setCatalogue(tenQuestions, tenAnswers);
    editor().Liste1->setListIndex(5);
    click(editor().Bild11);
    tenQuestions.removeAt(5);
    tenAnswers.removeAt(5);
    EXPECT_EQ(catalogueQuestions(), tenQuestions);
    EXPECT_EQ(catalogueAnswers(), tenAnswers);
    EXPECT_EQ(selectedRows(), std::make_pair(0, 0));
}

TEST_F(EditorEditing, DeletingWithoutASelectionDoesNothing)
{
    setCatalogue(questions, answers);
    click(editor().Bild11);
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(catalogueAnswers(), answers);
}

TEST_F(EditorEditing, EachClearButtonEmptiesOnlyItsOwnBox)
{
    editor().Text1->setText(u"Maus"_s);
    editor().Text2->setText(u"piepst"_s);
    click(editor().Bild8);
    EXPECT_EQ(inputs(), std::make_pair(QString(), u"piepst"_s));
    editor().Text1->setText(u"Maus"_s);
    click(editor().Bild2);
    EXPECT_EQ(inputs(), std::make_pair(u"Maus"_s, QString()));
    EXPECT_EQ(catalogueQuestions(), questions);
    EXPECT_EQ(selectedRows(), std::make_pair(1, 1));
}

TEST_F(EditorEditing, APastedLineBreakReachesTheCatalogueAsABlank)
{
    editor().Text1->clear();
    editor().Text1->insert(u"Wie heißt\r\ndas Junge?"_s);
    editor().Text2->clear();
    editor().Text2->insert(u"Kalb\n"_s);
    click(editor().Bild4);
    EXPECT_EQ(catalogueQuestions().last(), u"Wie heißt das Junge?"_s);
    EXPECT_EQ(catalogueAnswers().last(), u"Kalb "_s);
}

TEST_F(EditorEditing, ClosingThroughTheFrameKeepsTheCatalogueAndShowsTheQuiz)
{
    main().hide();
    editor().close();
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(catalogueQuestions(), questions);
}

// A misspelt icon name would leave a button blank, with nothing to click on.
TEST_F(EditorEditing, EveryButtonShowsItsPicture)
{
    for (const PictureButton *button : editor().findChildren<PictureButton *>()) {
        EXPECT_FALSE(button->icon().pixmap(32).isNull()) << button->toolTip().toStdString();
        EXPECT_FALSE(button->accessibleName().isEmpty());
    }
    EXPECT_EQ(editor().findChildren<PictureButton *>().size(), 12);
}

class EditorStart : public ProgramFixture
{
protected:
    void prepareWorkDir() override
    {
        writeWorkFile(u"zoo.txt"_s, "Wal\r\nSäuger\r\n");
        writeWorkFile(u"Affen.TXT"_s, "Gorilla\r\nAffe\r\n");
    }
};

TEST_F(EditorStart, TheEditorsFirstFileIsSelectedAndNothingIsLoaded)
{
    EXPECT_EQ(editor().Datei1->listIndex(), 0);
    EXPECT_EQ(editor().Datei1->text(0), u"Affen.TXT"_s);
    EXPECT_EQ(main().Datei1->listIndex(), -1);
    EXPECT_EQ(catalogueQuestions().size(), 10);
}

} // namespace
