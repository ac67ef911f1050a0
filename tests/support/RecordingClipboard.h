// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/ClipboardService.h"

#include <QStringList>

// Keeps what was done to the clipboard, in order: "clear" or "set:" followed by the text.
class RecordingClipboard final : public ClipboardService
{
public:
    void clear() override
    {
        calls << QStringLiteral("clear");
        text.clear();
    }
    void setText(const QString &newText) override
    {
        calls << QStringLiteral("set:") + newText;
        text = newText;
    }

    QStringList calls;
    QString text; // what the clipboard holds now
};
