// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a catalogue side, as CLD2 tells it from word lists a teacher types.
#include "catalogue/LanguageGuess.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString english = u"dog|cat|house|tree|apple|book|water|milk|bread|sun|moon|star|bird|fish|"
                        u"horse|cow|school|teacher|friend|mother"_s;

// Numbers enough to fill the whole sample, then the English words: only a sample spread over
// the side reaches them.
QString numbersThenEnglish()
{
    QStringList texts;
    while (texts.size() * 6 < 2 * languageSampleLength)
        texts << u"7 × 8"_s;
    return texts.join(u'|') + u'|' + english + u'|' + english;
}

TEST(LanguageGuess, NamesTheLanguageOfAllTextsOfASide)
{
    // clang-format off
    const std::tuple<const char *, QString, const char *> sides[] = {
        {"English words", english, "en_US"},
        {"German words with articles", u"der Hund|die Katze|das Haus|der Baum|der Apfel|das Buch|das Wasser|die Milch|das Brot|die Sonne|der Mond|der Stern|der Vogel|der Fisch|das Pferd|die Kuh|die Schule|der Lehrer"_s, "de_DE"},
        {"French words with articles", u"le chien|le chat|la maison|l'arbre|la pomme|le livre|l'eau|le lait|le pain|le soleil|la lune|l'étoile|l'oiseau|le poisson|le cheval|la vache|l'école|le professeur"_s, "fr_FR"},
        {"Javanese phrases, which CLD2 codes jw", u"Sugeng enjing|Piye kabare?|Aku arep lunga menyang pasar.|Omahku cedhak sekolah.|Aku seneng mangan sega.|Bapak lagi maca koran.|Ibu masak ing pawon.|Adhiku turu ing kamar."_s, "jv_ID"},
        {"European capitals", u"Berlin|Paris|London|Madrid|Rom|Wien|Bern|Prag|Warschau|Budapest|Oslo|Stockholm|Helsinki|Kopenhagen|Amsterdam|Brüssel|Lissabon|Athen|Dublin|Moskau"_s, ""},
        {"sums and numbers", u"7 × 8|56|6 × 9|54|3 × 4|12|81 : 9|9"_s, ""},
        {"German and English words in turn: the language CLD2 finds more of", u"Hund|dog|Katze|cat|Haus|house|Baum|tree|Apfel|apple|Buch|book|Wasser|water|Milch|milk|Brot|bread|Sonne|sun"_s, "de_DE"},
        {"empty", u""_s, ""},
        {"English words beside control characters and noncharacters", english + u"|\x01\x7f\u0081\uFDD0"_s + QString::fromUcs4(U"\U0001FFFF"), "en_US"},
        {"English words after more numbers than the sample holds", numbersThenEnglish(), "en_US"}};
    // clang-format on
    // "|" parts the texts of a side; the locale's name, or "" where there is no guess.
    for (const auto &[name, texts, locale] : sides) {
        const std::optional<QLocale> guess = guessLanguage(texts.split(u'|', Qt::SkipEmptyParts));
        EXPECT_EQ(guess ? guess->name().toStdString() : std::string(), locale) << name;
    }
}

} // namespace
