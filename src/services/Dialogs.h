// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFlags>
#include <QString>

// Message and input boxes. Prompts are passed exactly as the program words them, a final
// carriage return included; only the on-screen implementation turns them into lines.

// What a message box shows beside its prompt: one set of buttons, at most one icon, and which
// button a hasty Return presses.
enum class BoxStyle {
    OkOnly = 0,
    YesNo = 1 << 0, // "Ja" is the default button unless NoIsDefault
    NoIsDefault = 1 << 1,
    StopIcon = 1 << 2,
    QuestionIcon = 1 << 3,
    WarningIcon = 1 << 4,
};
Q_DECLARE_FLAGS(BoxStyles, BoxStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(BoxStyles)

// The button that closed a message box.
enum class BoxAnswer { Ok, Yes, No };

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Modal; returns the button pressed. Closing the box counts as "Nein" for a question and as
    // "OK" for a notice.
    virtual BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) = 0;

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
