#include "EditorFileFixture.h"

#include "platform/CheckBox.h"
#include "platform/DriveListBox.h"
#include "platform/Shape.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

using EditorFiles = EditorFileFixture;

QStringList numbered(const QString &prefix, int from, int to)
{
    QStringList texts;
    for (int i = from; i <= to; ++i)
        texts << prefix + QString::number(i);
    return texts;
}

TEST_F(EditorFiles, TheFileMenuShowsAllThreeListsEvenWhenTheMainWindowHidesDrives)
{
    ASSERT_EQ(editor().Kontroll2->value(), 1);
    click(editor().Bild12);
    EXPECT_TRUE(editor().Bild13->isVisible());
    for (QWidget *list : std::initializer_list<QWidget *>{editor().Laufwerk1, editor().Verzeichnis1, editor().Datei1})
        EXPECT_TRUE(list->isVisible());
    click(editor().Bild12);
    EXPECT_FALSE(editor().Bild13->isVisible());
}

// Answers in file order "Antwort 29" down to "Antwort 0": only an alphabetical choice list
// starts with "Antwort 20".
TEST_F(EditorFiles, LoadingThirtyPairsOffersTheFirstTenAnswersAlphabetically)
{
    main().setWindowTitle(u"Z E L - M e r k b o l d  ( ALT.TXT )"_s);
    main().Bezeichnung8->setText(u"4"_s);
    main().Bezeichnung9->setText(u"6"_s);
    main().Bezeichnung3->setText(u"2"_s);
    main().Figur1->setWidthTwips(3000);
    putCatalogue(u"fragen30.txt"_s, numberedCatalogue(30));
    dialogs.expectMessage(u"Datensätze dieser Datei:   30\rProgrammvoreinstellung:   10\r"_s, u"FRAGEN30.TXT"_s);

    loadInEditor(catalogues.path(), u"fragen30.txt"_s);

    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, 29));
    EXPECT_EQ(catalogueAnswers().first(), u"Antwort 29"_s);
    EXPECT_EQ(catalogueAnswers().size(), 30);
    EXPECT_EQ(choices(), numbered(u"Antwort "_s, 20, 29));
    EXPECT_EQ(main().Bezeichnung4->text(), u"9"_s);
    for (QLabel *counter : {main().Bezeichnung3, main().Bezeichnung5, main().Bezeichnung8, main().Bezeichnung9})
        EXPECT_EQ(counter->text(), u"0"_s);
    EXPECT_DOUBLE_EQ(main().Figur1->widthTwips(), 75);
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), u"Antwort 20"_s);
    EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d  ( ALT.TXT )"_s);
    EXPECT_EQ(editor().Liste1->listIndex(), 0);
    EXPECT_EQ(editor().Liste2->listIndex(), 0);
    EXPECT_EQ(main().Liste2->listIndex(), 0);
    EXPECT_FALSE(editor().Bild13->isVisible());
    EXPECT_EQ(random.reseeds, 0);
}

TEST_F(EditorFiles, AFileWithoutPairsLeavesEverythingEmptyAndReportsNought)
{
    putCatalogue(u"LEER.TXT"_s, "Frage ohne Antwort\r\n\r\n");
    dialogs.expectMessage(u"Datensätze dieser Datei:   0\rProgrammvoreinstellung:   10\r"_s, u"LEER.TXT"_s);
    loadInEditor(catalogues.path(), u"LEER.TXT"_s);
    EXPECT_TRUE(catalogueQuestions().isEmpty());
    EXPECT_TRUE(choices().isEmpty());
    EXPECT_EQ(editor().Liste1->listIndex(), -1);
    EXPECT_EQ(question(), QString());
}

TEST_F(EditorFiles, ADoubleClickOnAnEmptyFileListOnlyClosesThePanel)
{
    editor().Verzeichnis1->setPath(catalogues.path());
    click(editor().Bild12);
    ASSERT_EQ(editor().Datei1->count(), 0);
    Q_EMIT editor().Datei1->DblClick();
    EXPECT_FALSE(editor().Bild13->isVisible());
    EXPECT_EQ(catalogueQuestions().size(), 10);
}

TEST_F(EditorFiles, TheStandardFileIsTheMarkedFileInCapitalsUntilCleared)
{
    putCatalogue(u"tiere.txt"_s, numberedCatalogue(2));
    putCatalogue(u"Zahlen.TXT"_s, numberedCatalogue(2));
    editor().Verzeichnis1->setPath(catalogues.path());
    editor().Datei1->setListIndex(1);
    click(editor().Bezeichnung4); // the panel is closed: the list keeps its mark all the same
    EXPECT_EQ(editor().Bezeichnung4->text(), u"ZAHLEN.TXT"_s);
    editor().Datei1->setListIndex(0);
    click(editor().Bezeichnung3);
    EXPECT_EQ(editor().Bezeichnung4->text(), u"TIERE.TXT"_s);

    click(editor().Befehl1);
    EXPECT_EQ(editor().Bezeichnung4->text(), QString());
    EXPECT_EQ(editor().Datei1->listIndex(), -1);
    click(editor().Bezeichnung4);
    EXPECT_EQ(editor().Bezeichnung4->text(), QString());
}

struct NewFileCase
{
    const char *name;
    int button;
    bool emptied;
};

class NewFile : public EditorFileFixture, public ::testing::WithParamInterface<NewFileCase>
{
};

TEST_P(NewFile, EmptiesTheCatalogueAndInputsOnlyWhenNotRefused)
{
    const QStringList questionsBefore = catalogueQuestions();
    const QStringList choicesBefore = choices();
    editor().Text1->setText(u"Maus"_s);
    editor().Text2->setText(u"piepst"_s);
    dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                          MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, GetParam().button);
    click(editor().Bild10);

    if (GetParam().emptied) {
        EXPECT_TRUE(catalogueQuestions().isEmpty());
        EXPECT_TRUE(catalogueAnswers().isEmpty());
        EXPECT_EQ(editor().Text1->text(), QString());
        EXPECT_EQ(editor().Text2->text(), QString());
    } else {
        EXPECT_EQ(catalogueQuestions(), questionsBefore);
        EXPECT_EQ(catalogueAnswers().size(), 10);
        EXPECT_EQ(editor().Text1->text(), u"Maus"_s);
        EXPECT_EQ(editor().Text2->text(), u"piepst"_s);
    }
    EXPECT_EQ(choices(), choicesBefore);
}

INSTANTIATE_TEST_SUITE_P(Answers, NewFile, ::testing::Values(
    NewFileCase{"Yes", MsgBox::Yes, true},
    NewFileCase{"No", MsgBox::No, false}),
    [](const ::testing::TestParamInfo<NewFileCase> &info) { return std::string(info.param.name); });

} // namespace
