// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoakCatalogues.h"

#include "catalogue/Windows1252.h"

#include <array>

using namespace Qt::StringLiterals;

namespace SoakCatalogues {

namespace {

// clang-format off
const QStringList latinWords = {
    u"Hund"_s, u"Katze"_s, u"Bär"_s, u"Größe"_s, u"Straße"_s, u"Äpfel"_s, u"Öl"_s, u"Übung"_s,
    u"Maß"_s, u"Fuß"_s, u"süß"_s, u"Mädchen"_s, u"Brücke"_s, u"weiß"_s, u"Frühling"_s,
    u"Käse"_s, u"Orkan"_s, u"Abakus"_s, u"Gallone"_s, u"Zahl"_s,
};
// clang-format on
// Beyond Windows-1252 (all but the euro sign), so that only UTF-8 can carry them.
const QStringList wideWords = {u"€"_s, u"łódź"_s, u"Ωmega"_s, u"漢字"_s, u"😀"_s, u"ğüzel"_s};

enum class Encoding { Windows1252, Utf8, Utf8WithBom };

QString phrase(SoakRandom &random, const QStringList &words, int number, QChar end)
{
    QStringList parts;
    for (int i = 0, count = 1 + random.below(3); i < count; ++i)
        parts << random.pick(words);
    return parts.join(u' ') + u' ' + QString::number(number) + end;
}

QStringList pairLines(SoakRandom &random, int pairs, const QStringList &words)
{
    QStringList lines;
    for (int i = 0; i < pairs; ++i)
        lines << phrase(random, words, i, u'?') << phrase(random, words, i, u'.');
    return lines;
}

QByteArray encoded(const QString &text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1252:
        return Windows1252::encode(text);
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8WithBom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    }
    return {};
}

QByteArray fileOf(const QStringList &lines, Encoding encoding = Encoding::Windows1252,
                  const QString &lineEnd = u"\r\n"_s)
{
    QString text;
    for (const QString &line : lines)
        text += line + lineEnd;
    return encoded(text, encoding);
}

QByteArray sound(SoakRandom &random)
{
    return fileOf(pairLines(random, 1 + random.below(60), latinWords));
}

QByteArray large(SoakRandom &random)
{
    return fileOf(pairLines(random, 150 + random.below(250), latinWords));
}

QByteArray utf8(SoakRandom &random)
{
    const Encoding encoding = random.chance(0.5) ? Encoding::Utf8 : Encoding::Utf8WithBom;
    return fileOf(pairLines(random, 1 + random.below(30), latinWords + wideWords), encoding);
}

// The last question has no answer line; the file may or may not end with a line end.
QByteArray oddLineCount(SoakRandom &random)
{
    QStringList lines = pairLines(random, random.below(20), latinWords);
    lines << phrase(random, latinWords, 99, u'?');
    QByteArray bytes = fileOf(lines);
    if (random.chance(0.5))
        bytes.chop(2);
    return bytes;
}

QByteArray emptyHalves(SoakRandom &random)
{
    QStringList lines = pairLines(random, 2 + random.below(20), latinWords);
    for (QString &line : lines) {
        if (random.chance(0.3))
            line.clear();
    }
    return fileOf(lines);
}

QByteArray noPairs(SoakRandom &random)
{
    static const std::array<QByteArray, 4> empties = {QByteArray(), QByteArray("\r\n"),
                                                      QByteArray("\r\n\r\n"), QByteArray("\r\r\r")};
    return random.pick(empties);
}

// Lines ended by a lone CR, with lone LFs inside the texts.
QByteArray loneLineEnds(SoakRandom &random)
{
    QStringList lines = pairLines(random, 1 + random.below(15), latinWords);
    for (QString &line : lines) {
        if (random.chance(0.4))
            line.insert(random.below(int(line.size()) + 1), u'\n');
    }
    return fileOf(lines, Encoding::Windows1252, u"\r"_s);
}

// The same question with different answers and the same answer to different questions.
QByteArray duplicates(SoakRandom &random)
{
    QStringList lines;
    for (int i = 0, count = 2 + random.below(15); i < count; ++i)
        lines << phrase(random, latinWords, random.below(3), u'?')
              << phrase(random, latinWords, random.below(3), u'.');
    return fileOf(lines);
}

QByteArray blanks(SoakRandom &random)
{
    static const QStringList texts = {u" "_s, u"  "_s, u"\t"_s, u" x "_s, u"Ä "_s, u" ß"_s};
    QStringList lines;
    for (int i = 0, count = 2 * (1 + random.below(8)); i < count; ++i)
        lines << random.pick(texts);
    return fileOf(lines);
}

// Any byte but "/", with line ends and NUL bytes more often than chance would give them.
QByteArray junk(SoakRandom &random)
{
    QByteArray bytes;
    for (int i = 0, size = random.below(3000); i < size; ++i) {
        const int roll = random.below(100);
        char byte = roll < 5 ? '\r' : roll < 8 ? '\n' : roll < 10 ? '\0' : char(random.below(256));
        bytes += byte == '/' ? '\\' : byte;
    }
    return bytes;
}

using Generator = QByteArray (*)(SoakRandom &);

struct NamedKind
{
    const char16_t *name;
    Generator generator;
};

// Each name starts out as a file of its own kind, so that every kind is there from the start.
// clang-format off
constexpr std::array<NamedKind, 11> startingKinds = {{
    {u"tiere.txt", sound},         {u"Zahlen.txt", sound},         {u"STAEDTE.TXT", large},
    {u"umlaute.txt", utf8},        {u"kaputt.txt", oddLineCount},  {u"haelften.txt", emptyHalves},
    {u"leer.TXT", noPairs},        {u"zeilenenden.txt", loneLineEnds}, {u"doppelt.txt", duplicates},
    {u"blanks.txt", blanks},       {u"binaer.txt", junk},
}};
// clang-format on

} // namespace

const QStringList &fileNames()
{
    // clang-format off
    static const QStringList names = [] {
        QStringList all;
        for (const NamedKind &kind : startingKinds)
            all << QString::fromUtf16(kind.name);
        return all;
    }();
    // clang-format on
    return names;
}

std::vector<std::pair<QString, QByteArray>> startingFiles(SoakRandom &random)
{
    std::vector<std::pair<QString, QByteArray>> files;
    for (const NamedKind &kind : startingKinds)
        files.emplace_back(QString::fromUtf16(kind.name), kind.generator(random));
    return files;
}

// Sound files come twice as often as each kind of broken one.
QByteArray randomFile(SoakRandom &random)
{
    static constexpr std::array<Generator, 11> generators = {
            sound,   sound,        large,      utf8,   oddLineCount, emptyHalves,
            noPairs, loneLineEnds, duplicates, blanks, junk,
    };
    return random.pick(generators)(random);
}

} // namespace SoakCatalogues
