// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ProgramFixture.h"

namespace {

using EditorFiles = ProgramFixture;

// A double-click beside the rows of a folder without catalogues hides the panel and loads
// nothing.
TEST_F(EditorFiles, ADoubleClickOnAnEmptyFileListHidesThePanelAndKeepsTheCatalogue)
{
    openEditor();
    click(button(editor(), u"Dateimenü"_s));
    auto *files = control<FileListBox>(editor(), u"Datei1"_s);
    files->setPath(catalogues.path());
    ASSERT_EQ(files->count(), 0);
    const QStringList before = catalogueQuestions();
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(control<FilePanel>(editor(), u"Bild13"_s)->isVisible());
    EXPECT_EQ(catalogueQuestions(), before);
}

} // namespace
