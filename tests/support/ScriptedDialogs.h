#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>

// The boxes a test expects, in order, each with the answer it gives. A box that was not
// expected, or an expected one that never came, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    struct Box
    {
        enum class Kind { Message, Input } kind;
        QString prompt;
        QString title;
        int style = 0;          // message boxes
        QString defaultText;    // input boxes
        int button = MsgBox::Ok;
        QString typed;
    };

    ~ScriptedDialogs() override { EXPECT_TRUE(m_expected.empty()) << m_expected.size() << " box(es) never shown, the first: " << m_expected.front().prompt.toStdString(); }

    void expectMessage(const QString &prompt, const QString &title, int style = MsgBox::OkOnly,
                       int button = MsgBox::Ok)
    {
        m_expected.push_back({Box::Kind::Message, prompt, title, style, {}, button, {}});
    }

    void expectInput(const QString &prompt, const QString &title, const QString &defaultText,
                     const QString &typed)
    {
        m_expected.push_back({Box::Kind::Input, prompt, title, 0, defaultText, MsgBox::Ok, typed});
    }

    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        const Box box = take(prompt, title);
        if (box.kind != Box::Kind::Message) {
            ADD_FAILURE() << "a message box came where an input box was expected";
            return MsgBox::Cancel;
        }
        EXPECT_EQ(box.style, style) << "style of the box " << prompt.toStdString();
        return box.button;
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        const Box box = take(prompt, title);
        if (box.kind != Box::Kind::Input) {
            ADD_FAILURE() << "an input box came where a message box was expected";
            return {};
        }
        EXPECT_EQ(box.defaultText, defaultText);
        return box.typed;
    }

    bool allShown() const { return m_expected.empty(); }

private:
    Box take(const QString &prompt, const QString &title)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << title.toStdString() << " / " << prompt.toStdString();
            return {Box::Kind::Message, {}, {}, 0, {}, MsgBox::Cancel, {}};
        }
        Box box = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(box.prompt, prompt);
        EXPECT_EQ(box.title, title);
        return box;
    }

    std::deque<Box> m_expected;
};
