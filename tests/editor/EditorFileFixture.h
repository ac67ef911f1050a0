// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/FilePanel.h"
#include "support/ProgramFixture.h"

#include "platform/FileListBox.h"

#include <QLineEdit>

// The editor shown after start-up (no settings file, so nothing was loaded).
class EditorFileFixture : public ProgramFixture
{
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        runStartupTimer();
        openEditor();
    }

public:
    void openEditor()
    {
        main().hide();
        editor().show();
        editor().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    }

    // Pairs "Frage i" / "Antwort (count-1-i)", so that file order and alphabetical order differ.
    static QByteArray reverseNumberedCatalogue(int count)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "Frage " + QByteArray::number(i) + "\r\nAntwort "
                    + QByteArray::number(count - 1 - i) + "\r\n";
        return bytes;
    }

    // Opens the editor's file panel on the folder and double-clicks the file, as a user would.
    void loadInEditor(const QString &folder, const QString &name)
    {
        editor().folderList->setPath(folder);
        if (editor().filePanel->isHidden())
            click(editor().fileMenuButton);
        doubleClickRow(*editor().fileList, int(editor().fileList->texts().indexOf(name)));
    }

    // Types both halves and clicks "Eingaben sichern".
    void typePair(const QString &question, const QString &answer)
    {
        editor().questionInput->setText(question);
        editor().answerInput->setText(answer);
        click(editor().addPairButton);
    }

    void expectNewFileQuestion(int button)
    {
        dialogs.expectMessage(QStringLiteral("Eine neue Datei anlegen?\r"),
                              QStringLiteral("ZEL-Fragen"),
                              MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2, button);
    }
};
