// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorFileFixture.h"

#include "platform/CheckBox.h"
#include "platform/DriveListBox.h"
#include "platform/Shape.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

using EditorFiles = EditorFileFixture;

TEST_F(EditorFiles, TheFileMenuShowsAllThreeListsEvenWhenTheMainWindowHidesDrives)
{
    ASSERT_EQ(editor().hideDrives->value(), 1);
    click(editor().fileMenuButton);
    EXPECT_TRUE(editor().filePanel->isVisible());
    for (QWidget *list : std::initializer_list<QWidget *>{editor().driveList, editor().folderList,
                                                          editor().fileList})
        EXPECT_TRUE(list->isVisible());
    click(editor().fileMenuButton);
    EXPECT_FALSE(editor().filePanel->isVisible());
}

// Answers in file order "Antwort 29" down to "Antwort 0": only an alphabetical choice list
// starts with "Antwort 20".
TEST_F(EditorFiles, LoadingThirtyPairsOffersTheFirstTenAnswersAlphabetically)
{
    main().setWindowTitle(u"Z E L - M e r k b o l d  ( ALT.TXT )"_s);
    main().wrongCountLabel->setText(u"4"_s);
    main().rightCountLabel->setText(u"6"_s);
    main().rightInSetLabel->setText(u"2"_s);
    main().progressBar->setWidthTwips(3000);
    putCatalogue(u"fragen30.txt"_s, reverseNumberedCatalogue(30));
    expectCountMessage(30, u"FRAGEN30.TXT"_s);

    loadInEditor(catalogues.path(), u"fragen30.txt"_s);

    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, 29));
    EXPECT_EQ(catalogueAnswers().first(), u"Antwort 29"_s);
    EXPECT_EQ(catalogueAnswers().size(), 30);
    EXPECT_EQ(choices(), numbered(u"Antwort "_s, 20, 29));
    EXPECT_EQ(counters(), (QStringList{u"0"_s, u"9"_s, u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_DOUBLE_EQ(main().progressBar->widthTwips(), 75);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), u"Antwort 20"_s);
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( ALT.TXT )"_s);
    EXPECT_EQ(listSelections(), std::vector<int>({0, 0, 0}));
    EXPECT_FALSE(editor().filePanel->isVisible());
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(EditorFiles, TheStandardFileIsTheMarkedFileInCapitalsUntilCleared)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(2));
    putCatalogue(u"Zahlen.TXT"_s, numberedCatalogue(2));
    editor().folderList->setPath(catalogues.path());
    editor().fileList->setListIndex(1);
    click(editor().standardFileName); // the panel is closed: the list keeps its mark all the same
    EXPECT_EQ(editor().standardFileName->text(), u"ZAHLEN.TXT"_s);
    editor().fileList->setListIndex(0);
    click(editor().standardFileCaption);
    EXPECT_EQ(editor().standardFileName->text(), u"TIERE.TXT"_s);

    click(editor().noStandardFileButton);
    EXPECT_EQ(editor().standardFileName->text(), QString());
    EXPECT_EQ(editor().fileList->listIndex(), -1);
    click(editor().standardFileName);
    EXPECT_EQ(editor().standardFileName->text(), QString());
}

class NewFile : public EditorFileFixture, public ::testing::WithParamInterface<int>
{ };

TEST_P(NewFile, EmptiesTheCatalogueAndInputsOnlyWhenNotRefused)
{
    const bool emptied = GetParam() == MsgBox::Yes;
    const QStringList questionsBefore = catalogueQuestions();
    const QStringList choicesBefore = choices();
    editor().questionInput->setText(u"Maus"_s);
    editor().answerInput->setText(u"piepst"_s);
    expectNewFileQuestion(GetParam());
    click(editor().newCatalogueButton);

    EXPECT_EQ(catalogueQuestions(), emptied ? QStringList() : questionsBefore);
    EXPECT_EQ(catalogueAnswers().size(), emptied ? 0 : 10);
    EXPECT_EQ(editor().questionInput->text(), emptied ? QString() : u"Maus"_s);
    EXPECT_EQ(editor().answerInput->text(), emptied ? QString() : u"piepst"_s);
    EXPECT_EQ(choices(), choicesBefore);
}

INSTANTIATE_TEST_SUITE_P(Answers, NewFile, ::testing::Values(MsgBox::Yes, MsgBox::No));

} // namespace
