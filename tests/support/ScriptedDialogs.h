// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"
#include "services/Dialogs.h"

#include <deque>

// The boxes a test expects, in order, each with the answer it gives: a button, or a text typed
// into an input box. A box that was not expected, or an expected one that never came, fails
// the test.
class ScriptedDialogs final : public Dialogs
{
public:
    ~ScriptedDialogs() override
    {
        EXPECT_TRUE(m_expected.empty())
                << "never shown: " << m_expected.front().first.toStdString();
    }

    void expectMessage(const QString &prompt, const QString &title,
                       BoxStyles style = BoxStyle::OkOnly, BoxAnswer button = BoxAnswer::Ok)
    {
        m_expected.push_back(
                {describe(title, prompt, QString::number(style.toInt())), {button, {}}});
    }
    void expectInput(const QString &prompt, const QString &title, const QString &proposed,
                     const QString &typed)
    {
        m_expected.push_back(
                {describe(title, prompt, u"input "_s + proposed), {BoxAnswer::Ok, typed}});
    }
    // `chosen` is "" for a cancelled dialog.
    void expectSaveFile(const QString &title, const QString &proposedPath, const QString &filter,
                        const QString &chosen)
    {
        m_expected.push_back(
                {describe(title, proposedPath, u"save "_s + filter), {BoxAnswer::Ok, chosen}});
    }

    BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) override
    {
        return take(describe(title, prompt, QString::number(style.toInt()))).first;
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override
    {
        return take(describe(title, prompt, u"input "_s + proposed)).second;
    }
    QString saveFileName(const QString &title, const QString &proposedPath,
                         const QString &filter) override
    {
        return take(describe(title, proposedPath, u"save "_s + filter)).second;
    }

private:
    // The style of a message box, "input" and the proposed text of an input box, or "save" and
    // the filter of a save dialog.
    static QString describe(const QString &title, const QString &prompt, const QString &kind)
    {
        return title + u" / "_s + prompt + u" / "_s + kind;
    }
    std::pair<BoxAnswer, QString> take(const QString &shown)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << shown.toStdString();
            return {BoxAnswer::No, {}};
        }
        const auto [expected, answer] = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(shown, expected);
        return answer;
    }

    std::deque<std::pair<QString, std::pair<BoxAnswer, QString>>> m_expected;
};
