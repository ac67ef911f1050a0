// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the catalogue pair by pair, and taking changes back.
#include "support/ProgramFixture.h"

namespace {

class Editing : public ProgramFixture
{
public:
    // Both lists row by row, and the selected row.
    QStringList lists()
    {
        return catalogueQuestions() + catalogueAnswers()
                + QStringList{QString::number(editorList(u"Liste1"_s).currentRow())};
    }
    void pressInEditor(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(editor().focusWidget(), key, modifiers);
    }
};

// Each change of the lists, undone with Ctrl+Z and redone with Ctrl+Y or Ctrl+Shift+Z, puts
// the lists and their selection back row by row; undone in turn, the changes lead back to the
// catalogue the editor was opened with, and a visit to the editor starts a history of its own.
// In an input box the keys take back and bring back the typing only.
TEST_F(Editing, EveryChangeOfTheListsIsUndoneAndRedone)
{
    putFile(catalogues.filePath(u"zwei.txt"_s), "Wal\r\nS\xE4uger\r\nHai\r\nFisch\r\n");
    setCatalogue({u"Hund"_s, u"Kuh"_s}, {u"bellt"_s, u"muht"_s});
    openEditor();
    const QStringList opened = lists();
    const std::pair<const char *, std::function<void()>> changes[] = {
            {"Eingaben sichern", [this] { typePair(u"Katze"_s, u"miaut"_s); }},
            {"Zeile löschen", [this] { click(button(editor(), u"Zeile löschen"_s)); }},
            {"Neue Datei",
             [this] {
                 dialogs.expectMessage(u"Eine neue Datei anlegen?\r"_s, u"ZEL-Fragen"_s,
                                       questionBox, BoxAnswer::Yes);
                 click(button(editor(), u"Neue Datei"_s));
             }},
            {"Laden", [this] {
                 expectCountMessage(2, u"ZWEI.TXT"_s);
                 loadInEditor(catalogues.path(), u"zwei.txt"_s);
             }}};
    for (const auto &[name, change] : changes) {
        SCOPED_TRACE(name);
        const QStringList before = lists();
        change();
        const QStringList after = lists();
        ASSERT_NE(after, before);
        editorList(u"Liste1"_s).setFocus();
        pressInEditor(Qt::Key_Z);
        EXPECT_EQ(lists(), before);
        pressInEditor(Qt::Key_Y);
        EXPECT_EQ(lists(), after);
        pressInEditor(Qt::Key_Z);
        pressInEditor(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(lists(), after);
    }
    for (int i = 0; i < 5; ++i)
        pressInEditor(Qt::Key_Z);
    EXPECT_EQ(lists(), opened);
    pressInEditor(Qt::Key_Y);
    editor().hide();
    openEditor();
    const QStringList again = lists();
    editorList(u"Liste1"_s).setFocus();
    pressInEditor(Qt::Key_Z);
    EXPECT_EQ(lists(), again);
    typePair(u"Maus"_s, u"piepst"_s);
    const QStringList added = lists();
    input(u"Text1"_s)->setFocus();
    QTest::keyClicks(input(u"Text1"_s), u"Igel"_s);
    pressInEditor(Qt::Key_Z);
    EXPECT_EQ(input(u"Text1"_s)->text() + lists().join(u' '), added.join(u' '));
    pressInEditor(Qt::Key_Y);
    EXPECT_EQ(input(u"Text1"_s)->text(), u"Igel"_s);
}

} // namespace
