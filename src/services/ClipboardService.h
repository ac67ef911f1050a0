// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The system clipboard, plain text only. The text goes on it exactly as given, CR LF kept.
class ClipboardService
{
public:
    virtual ~ClipboardService() = default;

    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;

    // What every output does: clear first, so that no other format of an old content stays.
    void replaceText(const QString &text)
    {
        clear();
        setText(text);
    }
};
