// SPDX-License-Identifier: GPL-3.0-or-later
// Files dragged from a file manager onto either window, also over its lists and input boxes.
#include "session/FilePanel.h"
#include "support/ProgramFixture.h"

#include "platform/FileListBox.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {

// Where the files are dropped: the main window's open file browser, or the editor's question
// list or question input box. `pairs` is -1 where the window refuses the drag on entering.
enum class Over { FileBrowser, Questions, QuestionInput };

struct DropCase
{
    const char *name;
    Over over;
    QStringList files;
    int pairs;
};

class Dropping : public ProgramFixture, public ::testing::WithParamInterface<DropCase>
{ };

TEST_P(Dropping, LoadsOneCatalogueOrInTheEditorAWordListAndRefusesTheRest)
{
    const DropCase &drop = GetParam();
    const QByteArray three =
            "Frage 0\r\nAntwort 0\r\nFrage 1\r\nAntwort 1\r\nFrage 2\r\nAntwort 2\r\n";
    putFile(catalogues.filePath(u"Drei.txt"_s), three);
    putFile(catalogues.filePath(u"Liste.csv"_s), "Frage 0;Antwort 0\r\nFrage 1;Antwort 1\r\n");
    putFile(catalogues.filePath(u"Handbuch.PDF"_s), three);
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"ORDNER.TXT"_s));
    runStartupTimer();
    const bool onEditor = drop.over != Over::FileBrowser;
    QWidget *window = onEditor ? static_cast<QWidget *>(&editor()) : &main();
    main().setVisible(!onEditor);
    editor().setVisible(onEditor);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    if (!onEditor)
        click(main().fileMenuButton);
    QWidget *target = drop.over == Over::FileBrowser ? main().fileList
            : drop.over == Over::Questions           ? static_cast<QWidget *>(editor().questionList)
                                                     : editor().questionInput;
    const QStringList before = catalogueQuestions();

    // A file manager's drag: the files as addresses and as text; Shift asks to move them.
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : drop.files)
        urls << QUrl::fromLocalFile(catalogues.filePath(file));
    data.setUrls(urls);
    data.setText(urls.front().toLocalFile());
    const QPoint at = target->mapTo(window, target->rect().center());
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &enter);
    ASSERT_EQ(enter.isAccepted(), drop.pairs >= 0);
    if (drop.pairs < 0) {
        EXPECT_EQ(catalogueQuestions(), before);
        return;
    }
    QDragMoveEvent moved(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &moved);
    EXPECT_TRUE(moved.isAccepted());
    const QString name = drop.files.front();
    expectCountMessage(drop.pairs, name.toUpper());
    QDropEvent dropped(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &dropped);
    EXPECT_EQ(dropped.dropAction(), Qt::CopyAction); // a move would let the file be deleted
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);

    EXPECT_EQ(catalogueQuestions(), numbered(u"Frage "_s, 0, drop.pairs - 1));
    EXPECT_EQ(catalogueAnswers(), numbered(u"Antwort "_s, 0, drop.pairs - 1));
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(main().windowTitle(),
              u"Z E L - M e r k b o l d"_s + (onEditor ? QString() : u"  ( "_s + name + u" )"_s));
    EXPECT_FALSE(main().fileBrowser->isVisible());
    EXPECT_EQ(editor().questionInput->text(), QString());
}

INSTANTIATE_TEST_SUITE_P(
        Drops, Dropping,
        ::testing::Values(
                DropCase{"CatalogueOnTheQuizScreen", Over::FileBrowser, {u"Drei.txt"_s}, 3},
                DropCase{"WordListOnTheQuizScreen", Over::FileBrowser, {u"Liste.csv"_s}, -1},
                DropCase{"TwoFiles", Over::FileBrowser, {u"Drei.txt"_s, u"Liste.csv"_s}, -1},
                DropCase{"CatalogueOnTheEditor", Over::Questions, {u"Drei.txt"_s}, 3},
                DropCase{"WordListOnTheEditor", Over::QuestionInput, {u"Liste.csv"_s}, 2},
                DropCase{"Folder", Over::Questions, {u"ORDNER.TXT"_s}, -1},
                DropCase{"Pdf", Over::Questions, {u"Handbuch.PDF"_s}, -1}),
        [](const auto &info) { return std::string(info.param.name); });

} // namespace
