// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Message and input boxes. Prompts are passed exactly as the program words them, a final
// carriage return included; only the on-screen implementation turns them into lines.
namespace MsgBox {
// Style bits, combined with |: one button set, one icon, one default button.
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int DefaultButton2 = 256;

// What a box returns.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace MsgBox

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Modal; returns the button pressed (MsgBox::Ok, Yes, No; closing the box counts as the
    // default "No" of a question and as "OK" of a notice).
    virtual int messageBox(const QString &prompt, int style, const QString &title) = 0;

    // Modal; returns the typed text, or "" when cancelled.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;

    // Modal; returns the path of the file to write, or "" when cancelled. `filter` names the
    // files offered, e.g. "PDF-Dateien (*.pdf *.PDF)". Boxes that never choose a file cancel.
    virtual QString saveFileName(const QString & /*title*/, const QString & /*proposedPath*/,
                                 const QString & /*filter*/)
    {
        return {};
    }
};
