// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a catalogue side, as CLD2 tells it from word lists a teacher types.
#include "catalogue/CatalogueFile.h"
#include "catalogue/LanguageGuess.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The locale's name, or "" where there is no guess.
std::string guessed(const QStringList &side)
{
    const std::optional<QLocale> guess = guessLanguage(side);
    return guess ? guess->name().toStdString() : std::string();
}

const QStringList english = {u"dog"_s,  u"cat"_s,    u"house"_s,   u"tree"_s,   u"apple"_s,
                             u"book"_s, u"water"_s,  u"milk"_s,    u"bread"_s,  u"sun"_s,
                             u"moon"_s, u"star"_s,   u"bird"_s,    u"fish"_s,   u"horse"_s,
                             u"cow"_s,  u"school"_s, u"teacher"_s, u"friend"_s, u"mother"_s};

// Numbers enough to fill the whole sample, then the English words: only a sample spread over
// the side reaches them.
QStringList numbersThenEnglish()
{
    QStringList side;
    while (side.size() * 6 < 2 * languageSampleLength)
        side << u"7 × 8"_s;
    return side + english + english;
}

TEST(LanguageGuess, NamesTheLanguageOfAllTextsOfASide)
{
    const struct
    {
        const char *side;
        QStringList texts;
        const char *locale;
    } sides[] = {
            {"English words", english, "en_US"},
            {"German words with articles",
             {u"der Hund"_s, u"die Katze"_s,  u"das Haus"_s,   u"der Baum"_s,   u"der Apfel"_s,
              u"das Buch"_s, u"das Wasser"_s, u"die Milch"_s,  u"das Brot"_s,   u"die Sonne"_s,
              u"der Mond"_s, u"der Stern"_s,  u"der Vogel"_s,  u"der Fisch"_s,  u"das Pferd"_s,
              u"die Kuh"_s,  u"die Schule"_s, u"der Lehrer"_s, u"der Freund"_s, u"die Mutter"_s},
             "de_DE"},
            {"French words with articles",
             {u"le chien"_s, u"le chat"_s,  u"la maison"_s,     u"l'arbre"_s,    u"la pomme"_s,
              u"le livre"_s, u"l'eau"_s,    u"le lait"_s,       u"le pain"_s,    u"le soleil"_s,
              u"la lune"_s,  u"l'étoile"_s, u"l'oiseau"_s,      u"le poisson"_s, u"le cheval"_s,
              u"la vache"_s, u"l'école"_s,  u"le professeur"_s, u"l'ami"_s,      u"la mère"_s},
             "fr_FR"},
            {"Latin words",
             {u"rosa"_s,    u"amicus"_s, u"puella"_s,  u"agricola"_s, u"servus"_s,
              u"dominus"_s, u"bellum"_s, u"templum"_s, u"aqua"_s,     u"terra"_s,
              u"via"_s,     u"villa"_s,  u"silva"_s,   u"insula"_s,   u"nauta"_s,
              u"porta"_s,   u"filius"_s, u"equus"_s,   u"lupus"_s,    u"oppidum"_s},
             "la_VA"},
            {"Javanese phrases, which CLD2 codes jw",
             {u"Sugeng enjing"_s, u"Piye kabare?"_s, u"Aku arep lunga menyang pasar."_s,
              u"Omahku cedhak sekolah."_s, u"Aku seneng mangan sega."_s,
              u"Bapak lagi maca koran."_s, u"Ibu masak ing pawon."_s, u"Adhiku turu ing kamar."_s},
             "jv_ID"},
            {"European capitals",
             {u"Berlin"_s,  u"Paris"_s,     u"London"_s,   u"Madrid"_s,     u"Rom"_s,
              u"Wien"_s,    u"Bern"_s,      u"Prag"_s,     u"Warschau"_s,   u"Budapest"_s,
              u"Oslo"_s,    u"Stockholm"_s, u"Helsinki"_s, u"Kopenhagen"_s, u"Amsterdam"_s,
              u"Brüssel"_s, u"Lissabon"_s,  u"Athen"_s,    u"Dublin"_s,     u"Moskau"_s},
             ""},
            {"sums and numbers",
             {u"7 × 8"_s, u"56"_s, u"6 × 9"_s, u"54"_s, u"3 × 4"_s, u"12"_s, u"81 : 9"_s, u"9"_s},
             ""},
            {"German and English words in turn: the language CLD2 finds more of",
             {u"Hund"_s,  u"dog"_s,   u"Katze"_s, u"cat"_s,   u"Haus"_s,  u"house"_s,  u"Baum"_s,
              u"tree"_s,  u"Apfel"_s, u"apple"_s, u"Buch"_s,  u"book"_s,  u"Wasser"_s, u"water"_s,
              u"Milch"_s, u"milk"_s,  u"Brot"_s,  u"bread"_s, u"Sonne"_s, u"sun"_s},
             "de_DE"},
            {"empty", {}, ""},
            {"English words beside control characters and noncharacters",
             english + QStringList{u"\x01\x7f\u0081\uFDD0"_s + QString::fromUcs4(U"\U0001FFFF")},
             "en_US"},
            {"English words after more numbers than the sample holds", numbersThenEnglish(),
             "en_US"},
    };
    for (const auto &side : sides)
        EXPECT_EQ(guessed(side.texts), side.locale) << side.side;
}

TEST(LanguageGuess, TellsTheSidesOfTheEnglishExample)
{
    QFile file(QStringLiteral(MERKBOLD_SOURCE_DIR "/examples/ENGLISCH.TXT"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Catalogue catalogue = parseCatalogue(file.readAll()).pairs;
    EXPECT_EQ(guessed(catalogue.questions), "de_DE");
    EXPECT_EQ(guessed(catalogue.answers), "en_US");
}

} // namespace
