// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"
#include "services/Dialogs.h"

#include <deque>

// The two kinds of Yes/No box the program asks with, No the default in both.
constexpr BoxStyles questionBox = BoxStyle::YesNo | BoxStyle::QuestionIcon | BoxStyle::NoIsDefault;
constexpr BoxStyles stopBox = BoxStyle::YesNo | BoxStyle::StopIcon | BoxStyle::NoIsDefault;

// The boxes a test expects, in order, each with the answer it gives: a button, or a text typed
// into an input box or chosen in a save dialog ("" for a cancelled one). Each box is described
// by its title, its prompt (or proposed path) and its kind: the style of a message box, "input"
// and the proposed text, or "save" and the filter. A box that was not expected, or an expected
// one that never came, fails the test.
class ScriptedDialogs final : public Dialogs
{
public:
    ~ScriptedDialogs() override
    {
        EXPECT_TRUE(m_expected.empty())
                << "never shown: " << m_expected.front().shown.toStdString();
    }

    void expectMessage(const QString &prompt, const QString &title,
                       BoxStyles style = BoxStyle::OkOnly, BoxAnswer button = BoxAnswer::Ok)
    {
        m_expected.push_back({describe(title, prompt, QString::number(style.toInt())), button, {}});
    }
    void expectInput(const QString &prompt, const QString &title, const QString &proposed,
                     const QString &typed)
    {
        m_expected.push_back(
                {describe(title, prompt, u"input "_s + proposed), BoxAnswer::Ok, typed});
    }
    void expectSaveFile(const QString &title, const QString &proposedPath, const QString &filter,
                        const QString &chosen)
    {
        m_expected.push_back(
                {describe(title, proposedPath, u"save "_s + filter), BoxAnswer::Ok, chosen});
    }

    // Where there is no printer: the offer of a PDF file, and on Yes the save dialog, proposing
    // `proposedPath`, answered with `chosen`.
    void expectPdfOffer(BoxAnswer button, const QString &proposedPath, const QString &chosen)
    {
        expectMessage(u"Es ist kein Drucker eingerichtet.\rSollen die Seiten als PDF-Datei "
                      u"gespeichert werden?\r"_s,
                      u"Drucken"_s, questionBox, button);
        if (button == BoxAnswer::Yes)
            expectSaveFile(u"Als PDF-Datei speichern"_s, proposedPath,
                           u"PDF-Dateien (*.pdf *.PDF)"_s, chosen);
    }

    BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) override
    {
        return take(describe(title, prompt, QString::number(style.toInt()))).button;
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &proposed) override
    {
        return take(describe(title, prompt, u"input "_s + proposed)).text;
    }
    QString saveFileName(const QString &title, const QString &proposedPath,
                         const QString &filter) override
    {
        return take(describe(title, proposedPath, u"save "_s + filter)).text;
    }

private:
    struct Box
    {
        QString shown;
        BoxAnswer button = BoxAnswer::No;
        QString text;
    };
    static QString describe(const QString &title, const QString &prompt, const QString &kind)
    {
        return title + u" / "_s + prompt + u" / "_s + kind;
    }
    Box take(const QString &shown)
    {
        if (m_expected.empty()) {
            ADD_FAILURE() << "unexpected box: " << shown.toStdString();
            return {};
        }
        const Box expected = m_expected.front();
        m_expected.pop_front();
        EXPECT_EQ(shown, expected.shown);
        return expected;
    }

    std::deque<Box> m_expected;
};
