// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "services/ClipboardService.h"

// The system clipboard through QClipboard.
class QtClipboardService final : public ClipboardService
{
public:
    void clear() override;
    void setText(const QString &text) override;
};
