// SPDX-License-Identifier: GPL-3.0-or-later
// Faults seen in a visit to the editor: a learn-mode card mixed up on the way back, a double-click
// off the rows, a long text cut short, a layout list left empty.
#include "app/MainWindow.h"
#include "editor/EditorWindow.h"
#include "platform/FileListBox.h"
#include "platform/ListBox.h"
#include "session/FilePanel.h"
#include "support/ProgramFixture.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

using EditorVisit = ProgramFixture;

TEST_F(EditorVisit, LeavingWithTheCatalogueInLearnModeShowsTheFirstPairWhole)
{
    startNumberedCatalogue(4);
    press(Qt::Key_Insert); // learn mode, at pair 0
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    ASSERT_EQ(question(), u"Frage 2"_s);
    openEditor();
    click(button(editor(), u"Abbruch mit Laden"_s));
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(answer(), u"Antwort 0"_s);
    press(Qt::Key_Right);
    EXPECT_EQ(question(), u"Frage 1"_s);
    EXPECT_EQ(answer(), u"Antwort 1"_s);
}

TEST_F(EditorVisit, ADoubleClickOnAnEmptyFileListHidesThePanelAndKeepsTheCatalogue)
{
    openEditor();
    click(button(editor(), u"Dateimenü"_s));
    control<FileListBox>(editor(), u"Datei1"_s)
            ->setPath(catalogues.path()); // a folder without catalogues
    ASSERT_EQ(control<FileListBox>(editor(), u"Datei1"_s)->count(), 0);
    const QStringList before = catalogueQuestions();
    QTest::mouseDClick(control<FileListBox>(editor(), u"Datei1"_s)->viewport(), Qt::LeftButton, {},
                       QPoint(5, 5));
    EXPECT_FALSE(control<FilePanel>(editor(), u"Bild13"_s)->isVisible());
    EXPECT_EQ(catalogueQuestions(), before);
}

TEST_F(EditorVisit, APairLongerThanQtsDefaultLimitIsTakenInWhole)
{
    const QString longQuestion = QString(40000, u'x');
    setCatalogue({longQuestion}, {u"Antwort"_s});
    openEditor();
    clickRow(*control<ListBox>(editor(), u"Liste1"_s), 0, true);
    EXPECT_EQ(control<QLineEdit>(editor(), u"Text1"_s)->text(), longQuestion);
}

TEST_F(EditorVisit, TheLayoutListIsFilledWhenTheEditorIsShownWithoutBeingActivated)
{
    control<ListBox>(editor(), u"Liste3"_s)->setTexts({});
    openEditor();
    EXPECT_EQ(control<ListBox>(editor(), u"Liste3"_s)->count(), 5);
}

} // namespace
