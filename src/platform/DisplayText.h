// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A catalogue text can be millions of characters long. Laying such a text out for painting
// takes seconds and gigabytes, while a label or a list row shows a few hundred characters at
// most. So the windows paint a text only up to this many characters, with "…" for the rest;
// the text itself (a label's text(), a list's texts()) stays whole for comparing and saving.
inline constexpr qsizetype displayedCharacters = 10000;

// The part of `text` a display shows, without the "…": never half a character.
inline QString displayedPart(const QString &text)
{
    if (text.size() <= displayedCharacters)
        return text;
    qsizetype kept = displayedCharacters;
    if (text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.first(kept);
}

inline QString displayText(const QString &text)
{
    if (text.size() <= displayedCharacters)
        return text;
    return displayedPart(text) + u'…';
}
