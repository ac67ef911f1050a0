// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoakRandom.h"
#include "services/Dialogs.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

// Answers every box at random, as a child clicking through them would: a question Yes or No,
// a notice OK, an input box one of a few texts. Keeps the boxes shown, so that the soak can see
// what was asked and what was answered.
class RandomDialogs final : public Dialogs
{
public:
    struct Box
    {
        QString prompt;
        QString title;
        int style = 0;
        int button = MsgBox::Ok;
        QString typed; // input boxes
    };

    // questionShown gives the caption of the question on display: typed into the password box
    // it opens the editor.
    RandomDialogs(std::uint64_t seed, std::function<QString()> questionShown)
        : m_random(seed), m_questionShown(std::move(questionShown))
    { }

    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        const bool yesNo = (style & buttonSet) == MsgBox::YesNo;
        const int button = !yesNo ? MsgBox::Ok : m_random.chance(0.5) ? MsgBox::Yes : MsgBox::No;
        m_shown.push_back({prompt, title, style, button, {}});
        return button;
    }

    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override
    {
        const QString typed = staysInWorkingFolder(pickTyped(defaultText));
        m_shown.push_back({prompt, title, 0, MsgBox::Ok, typed});
        return typed;
    }

    // The boxes shown since the last call, in order.
    std::vector<Box> takeShown() { return std::exchange(m_shown, {}); }

private:
    static constexpr int buttonSet = 0xF;

    QString pickTyped(const QString &defaultText)
    {
        // Cancel (""), numbers in and out of every range, junk, file names, and a name in a
        // missing folder, which a save must refuse.
        static const QStringList texts = {
                QString(),
                QStringLiteral("10"),
                QStringLiteral("25"),
                QStringLiteral("50"),
                QStringLiteral("7"),
                QStringLiteral("12.5"),
                QStringLiteral("-3"),
                QStringLiteral("1e9"),
                QStringLiteral("&H1F"),
                QStringLiteral("abc"),
                QStringLiteral("  "),
                QStringLiteral("Ä Ö Ü ß"),
                QStringLiteral("gesichert.txt"),
                QStringLiteral("ZELMERK.INI"),
                QStringLiteral("Ordner/fehlt.txt"),
        };
        switch (m_random.below(4)) {
        case 0:
            return m_questionShown();
        case 1:
            return defaultText;
        default:
            return m_random.pick(texts);
        }
    }

    // A typed text may become a file name; the soak must never write outside its own folder.
    static QString staysInWorkingFolder(const QString &typed)
    {
        const bool escapes = typed.startsWith(u'/') || typed.contains(QStringLiteral("../"));
        return escapes ? QString() : typed;
    }

    SoakRandom m_random;
    std::function<QString()> m_questionShown;
    std::vector<Box> m_shown;
};
