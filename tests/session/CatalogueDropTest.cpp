// SPDX-License-Identifier: GPL-3.0-or-later
// Files dragged from a file manager onto either window, also over its lists and input boxes.
#include "support/ProgramFixture.h"

#include <QDropEvent>
#include <QMimeData>

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

// Drops the files on the window, over `target`, as a file manager drags them: as addresses and
// as text, Shift asking to move them. Returns whether the window took the drag when it entered.
bool dropFiles(QWidget *window, QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    data.setText(paths.front());
    const QPoint at = target->mapTo(window, target->rect().center());
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent moved(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &moved);
    EXPECT_TRUE(moved.isAccepted());
    QDropEvent dropped(at, actions, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(window->windowHandle(), &dropped);
    EXPECT_EQ(dropped.dropAction(), Qt::CopyAction); // a move would let the file be deleted
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return true;
}

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
        click(button(main(), u"Dateimenü"_s));
    QWidget *const targets[] = {control<FileListBox>(main(), u"Datei1"_s), &editorList(u"Liste1"_s),
                                input(u"Text1"_s)};
    QWidget *target = targets[int(drop.over)];
    const QStringList before = catalogueQuestions();
    QStringList paths;
    for (const QString &file : drop.files)
        paths << catalogues.filePath(file);
    if (drop.pairs >= 0)
        expectCountMessage(drop.pairs, drop.files.front().toUpper());
    ASSERT_EQ(dropFiles(window, target, paths), drop.pairs >= 0);
    if (drop.pairs < 0) {
        EXPECT_EQ(catalogueQuestions(), before);
        return;
    }
    EXPECT_EQ(catalogueAnswers(), numbered(u"Antwort "_s, 0, drop.pairs - 1));
    EXPECT_EQ(question(), u"Frage 0"_s);
    EXPECT_EQ(main().windowTitle(),
              u"Z E L - M e r k b o l d"_s
                      + (onEditor ? QString() : u"  ( "_s + drop.files.front() + u" )"_s));
    EXPECT_FALSE(control<FilePanel>(main(), u"Bild16"_s)->isVisible());
    EXPECT_EQ(input(u"Text1"_s)->text(), QString());
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

using RefusedDrop = ProgramFixture;

// A file that cannot be read at all says so in its one box and takes nothing away: not the
// pairs typed in the editor, not the quiz under way in the main window.
TEST_F(RefusedDrop, ShowsItsReasonAndChangesNothing)
{
    const QString large = catalogues.filePath(u"Gross.csv"_s);
    putFile(large, "");
    ASSERT_TRUE(QFile::resize(large, 20 * 1000 * 1000));
    makeFifo(catalogues.filePath(u"Rohr.TXT"_s));
    QFile::link(u"/dev/zero"_s, catalogues.filePath(u"Null.tsv"_s));
    const std::pair<QString, QString> files[] = {
            {large, u"Die Datei „%1“ ist zu groß für eine Wortliste (mehr als 14 MiB)."_s},
            {catalogues.filePath(u"Rohr.TXT"_s), u"„%1“ ist keine gewöhnliche Datei."_s},
            {catalogues.filePath(u"Null.tsv"_s), u"„%1“ ist keine gewöhnliche Datei."_s}};
    runStartupTimer();
    answerRightByKeyboard();
    openEditor();
    setCatalogue({u"Hund"_s, u"Katze"_s, u"Kuh"_s}, {u"bellt"_s, u"miaut"_s, u"muht"_s});
    const QStringList before = catalogueQuestions() + choices() + counters();
    for (QWidget *window : {static_cast<QWidget *>(&editor()), static_cast<QWidget *>(&main())}) {
        main().setVisible(window == &main());
        editor().setVisible(window == &editor());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        for (const auto &[path, reason] : files) {
            if (window == &main() && !path.endsWith(u".TXT"_s))
                continue; // the main window takes no word lists
            dialogs.expectMessage(reason.arg(path) + u'\r', u"Dateifehler"_s);
            EXPECT_TRUE(dropFiles(window, window, {path}));
            EXPECT_EQ(catalogueQuestions() + choices() + counters(), before);
        }
    }
}

} // namespace
