#pragma once

#include "support/ProgramFixture.h"

#include "platform/DirListBox.h"
#include "platform/FileListBox.h"

#include <QDir>
#include <QLineEdit>

// The editor shown after start-up (no settings file, so nothing was loaded), with a folder of
// catalogue files of its own that the editor's or the main window's file list can be sent to.
class EditorFileFixture : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogues.isValid());
        ProgramFixture::SetUp();
        runStartupTimer();
        openEditor();
    }

    void openEditor()
    {
        main().hide();
        editor().show();
        editor().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    }

    void putCatalogue(const QString &name, const QByteArray &bytes)
    {
        QFile file(catalogues.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Pairs "Frage i" / "Antwort (count-1-i)", so that file order and alphabetical order differ.
    static QByteArray numberedCatalogue(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "Frage " + QByteArray::number(i) + "\r\nAntwort " + QByteArray::number(count - 1 - i) + "\r\n";
        return bytes;
    }

    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Opens the editor's file panel on the folder and double-clicks the file, as a user would.
    void loadInEditor(const QString &folder, const QString &name)
    {
        editor().Verzeichnis1->setPath(folder);
        if (editor().Bild13->isHidden())
            click(editor().Bild12);
        doubleClickRow(*editor().Datei1, int(editor().Datei1->texts().indexOf(name)));
    }

    static void doubleClickRow(ListBox &list, int row)
    {
        ASSERT_GE(row, 0);
        list.doItemsLayout();
        const QPoint centre = list.visualRect(list.model()->index(row, 0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
    }

    void typePair(const QString &question, const QString &answer)
    {
        editor().Text1->setText(question);
        editor().Text2->setText(answer);
        click(editor().Bild4);
    }

    QTemporaryDir catalogues;
};
