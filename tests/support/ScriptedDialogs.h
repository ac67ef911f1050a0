// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"
#include "platform/Dialogs.h"

#include <deque>

// The boxes a test expects, in order, each with the answer it gives. A box that was not
// expected, or an expected one that never came, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    ~ScriptedDialogs() override
    {
        EXPECT_TRUE(m_expected.empty())
                << "never shown: " << m_expected.front().prompt.toStdString();
    }

    void expectMessage(const QString &prompt, const QString &title, int style = MsgBox::OkOnly,
                       int button = MsgBox::Ok)
    {
        m_expected.push_back({prompt, title, QString::number(style), button, {}});
    }
    void expectInput(const QString &prompt, const QString &title, const QString &defaultText,
                     const QString &typed)
    {
        m_expected.push_back({prompt, title, u"input:"_s + defaultText, MsgBox::Ok, typed});
    }

    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        return take({prompt, title, QString::number(style), MsgBox::Cancel, {}}).button;
    }
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        return take({prompt, title, u"input:"_s + defaultText, MsgBox::Cancel, {}}).typed;
    }

private:
    // `kind`: the style of a message box, or "input:" and the proposed text of an input box.
    struct Box
    {
        QString prompt, title, kind;
        int button = MsgBox::Cancel;
        QString typed;
    };

    Box take(const Box &shown)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << shown.title.toStdString() << " / "
                          << shown.prompt.toStdString();
            return shown;
        }
        const Box box = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(shown.prompt, box.prompt);
        EXPECT_EQ(shown.title, box.title);
        EXPECT_EQ(shown.kind, box.kind) << "the box " << box.prompt.toStdString();
        return box;
    }

    std::deque<Box> m_expected;
};
