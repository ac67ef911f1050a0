// SPDX-License-Identifier: GPL-3.0-or-later
// Files dragged from a file manager onto either window, also over its lists and input boxes.
#include "support/ProgramFixture.h"

#include <QDropEvent>
#include <QMimeData>

namespace {

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

class Dropping : public ProgramFixture
{
public:
    // Shows the one window, the main window with its file browser open.
    QWidget *show(bool onEditor)
    {
        QWidget *window = onEditor ? static_cast<QWidget *>(&editor()) : &main();
        main().setVisible(!onEditor);
        editor().setVisible(onEditor);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        if (!onEditor && !control<FilePanel>(main(), u"Bild16"_s)->isVisible())
            click(button(main(), u"Dateimenü"_s));
        return window;
    }
};

// Over the file browser, the editor's question list or its question input box; `pairs` is -1
// where the window refuses the drag on entering. A catalogue names the main window's title.
TEST_F(Dropping, LoadsOneCatalogueOrInTheEditorAWordListAndRefusesTheRest)
{
    putFile(catalogues.filePath(u"Drei.txt"_s),
            "Frage 0\r\nAntwort 0\r\nFrage 1\r\nAntwort 1\r\nFrage 2\r\nAntwort 2\r\n");
    putFile(catalogues.filePath(u"Liste.csv"_s), "Frage 0;Antwort 0\r\nFrage 1;Antwort 1\r\n");
    ASSERT_TRUE(QDir(catalogues.path()).mkdir(u"ORDNER.TXT"_s));
    runStartupTimer();
    enum Over { FileBrowser, Questions, QuestionInput };
    // clang-format off
    const std::tuple<Over, QStringList, int, QString> drops[] = {
        {FileBrowser, {u"Drei.txt"_s}, 3, u"  ( Drei.txt )"_s},
        {FileBrowser, {u"Liste.csv"_s}, -1, {}},
        {Questions, {u"Drei.txt"_s}, 3, {}},
        {QuestionInput, {u"Liste.csv"_s}, 2, {}},
        {Questions, {u"ORDNER.TXT"_s}, -1, {}}};
    // clang-format on
    for (const auto &[over, files, pairs, title] : drops) {
        SCOPED_TRACE(files.join(u' ').toStdString());
        QWidget *window = show(over != FileBrowser);
        QWidget *const targets[] = {control<FileListBox>(main(), u"Datei1"_s),
                                    &editorList(u"Liste1"_s), input(u"Text1"_s)};
        setCatalogue({u"Hund"_s}, {u"bellt"_s});
        main().setWindowTitle(u"Z E L - M e r k b o l d"_s);
        QStringList paths;
        for (const QString &file : files)
            paths << catalogues.filePath(file);
        if (pairs >= 0)
            expectCountMessage(pairs, files.front().toUpper());
        ASSERT_EQ(dropFiles(window, targets[over], paths), pairs >= 0);
        EXPECT_EQ(catalogueAnswers(),
                  pairs < 0 ? QStringList{u"bellt"_s} : numbered(u"Antwort "_s, 0, pairs - 1));
        EXPECT_EQ(main().windowTitle(), u"Z E L - M e r k b o l d"_s + title);
        EXPECT_FALSE(pairs >= 0 && control<FilePanel>(main(), u"Bild16"_s)->isVisible());
        EXPECT_EQ(input(u"Text1"_s)->text(), QString());
    }
}

// A file that cannot be read at all says so in its one box and takes nothing away: not the
// pairs typed in the editor, not the quiz under way in the main window. The main window takes
// no word lists.
TEST_F(Dropping, ARefusedFileShowsItsReasonAndChangesNothing)
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
    setCatalogue({u"Hund"_s, u"Katze"_s, u"Kuh"_s}, {u"bellt"_s, u"miaut"_s, u"muht"_s});
    const QStringList before = catalogueQuestions() + choices() + counters();
    for (bool onEditor : {true, false}) {
        QWidget *window = show(onEditor);
        for (const auto &[path, reason] : files) {
            if (!onEditor && !path.endsWith(u".TXT"_s))
                continue;
            dialogs.expectMessage(reason.arg(path) + u'\r', u"Dateifehler"_s);
            EXPECT_TRUE(dropFiles(window, window, {path}));
            EXPECT_EQ(catalogueQuestions() + choices() + counters(), before);
        }
    }
}

} // namespace
