// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/Dialogs.h"

// Message and input boxes on screen, German throughout whatever the system language.
class QtDialogs final : public Dialogs
{
public:
    BoxAnswer messageBox(const QString &prompt, BoxStyles style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString saveFileName(const QString &title, const QString &proposedPath,
                         const QString &filter) override;

    // A prompt as shown: carriage returns become line breaks, a final one adds no empty line.
    static QString displayText(const QString &prompt);
};
