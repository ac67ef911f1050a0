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
        m_expected.push_back({false, prompt, title, style, button, {}, {}});
    }

    void expectInput(const QString &prompt, const QString &title, const QString &defaultText,
                     const QString &typed)
    {
        m_expected.push_back({true, prompt, title, 0, MsgBox::Ok, defaultText, typed});
    }

    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        const Box box = take(false, prompt, title);
        EXPECT_EQ(box.style, style) << "style of the box " << prompt.toStdString();
        return box.button;
    }

    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        const Box box = take(true, prompt, title);
        EXPECT_EQ(box.defaultText, defaultText);
        return box.typed;
    }

    bool allShown() const { return m_expected.empty(); }

private:
    struct Box
    {
        bool input;
        QString prompt, title;
        int style, button;
        QString defaultText, typed;
    };

    Box take(bool input, const QString &prompt, const QString &title)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << title.toStdString() << " / "
                          << prompt.toStdString();
            return {input, prompt, title, 0, MsgBox::Cancel, {}, {}};
        }
        const Box box = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(box.input, input)
                << (input ? "an input box" : "a message box") << " came instead of another kind";
        EXPECT_EQ(box.prompt, prompt);
        EXPECT_EQ(box.title, title);
        return box;
    }

    std::deque<Box> m_expected;
};
