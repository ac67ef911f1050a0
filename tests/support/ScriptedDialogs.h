// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Dialogs.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>

// The boxes a test expects, in order, each with the answer it gives. A box that was not
// expected, or an expected one that never came, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    ~ScriptedDialogs() override
    {
        EXPECT_TRUE(allShown()) << m_expected.size() << " box(es) never shown, the first: "
                                << m_expected.front().prompt.toStdString();
    }

    void expectMessage(const QString &prompt, const QString &title, int style = MsgBox::OkOnly,
                       int button = MsgBox::Ok)
    {
        m_expected.push_back({Kind::Message, prompt, title, style, button, {}, {}});
    }

    void expectInput(const QString &prompt, const QString &title, const QString &defaultText,
                     const QString &typed)
    {
        m_expected.push_back({Kind::Input, prompt, title, 0, MsgBox::Ok, defaultText, typed});
    }

    // `chosen` is "" for a cancelled dialog.
    void expectSaveFile(const QString &title, const QString &proposedPath, const QString &filter,
                        const QString &chosen)
    {
        m_expected.push_back({Kind::SaveFile, proposedPath, title, 0, MsgBox::Ok, filter, chosen});
    }

    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        const Box box = take(Kind::Message, prompt, title);
        EXPECT_EQ(box.style, style) << "style of the box " << prompt.toStdString();
        return box.button;
    }

    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        const Box box = take(Kind::Input, prompt, title);
        EXPECT_EQ(box.defaultText, defaultText);
        return box.typed;
    }

    QString saveFileName(const QString &title, const QString &proposedPath,
                         const QString &filter) override
    {
        const Box box = take(Kind::SaveFile, proposedPath, title);
        EXPECT_EQ(box.defaultText, filter);
        return box.typed;
    }

    bool allShown() const { return m_expected.empty(); }

private:
    enum class Kind { Message, Input, SaveFile };

    // A save dialog keeps its proposed path as prompt, its filter as defaultText and the path
    // chosen as typed.
    struct Box
    {
        Kind kind;
        QString prompt, title;
        int style, button;
        QString defaultText, typed;
    };

    Box take(Kind kind, const QString &prompt, const QString &title)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << title.toStdString() << " / "
                          << prompt.toStdString();
            return {kind, prompt, title, 0, MsgBox::Cancel, {}, {}};
        }
        const Box box = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(box.kind, kind) << "another kind of box came: " << title.toStdString();
        EXPECT_EQ(box.prompt, prompt);
        EXPECT_EQ(box.title, title);
        return box;
    }

    std::deque<Box> m_expected;
};
