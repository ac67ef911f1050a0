// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

// The language of one side of a catalogue, its questions or its answers. The catalogue file has
// no place to name it, so it is guessed from all texts of the side together, by Google's Compact
// Language Detector 2 (CLD2, with its full tables, so Latin is known too).
//
// The guess is the language CLD2 calls reliable, as a QLocale of that language, the territory
// Qt's most likely one (English is en_US, German de_DE, Latin la_VA). There is none
// (std::nullopt) for an empty side, a side without letters (numbers, sums), one CLD2 is not sure
// of (names such as capitals, a few words too alike in several languages), and a language Qt
// has no locale for; the program then reads the side in German.
//
// A side longer than languageSampleLength characters is judged by a sample of that length spread
// evenly over it, every n-th text, so the guess costs the same for any size of catalogue.
std::optional<QLocale> guessLanguage(const QStringList &texts);

inline constexpr qsizetype languageSampleLength = 16 * 1024;
