// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueGenerator.h"

#include <QDir>
#include <QFile>
#include <array>
#include <random>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 16> words = {u"Käfer"_s,      u"Straße"_s,   u"Übung"_s,  u"größer"_s,
                                       u"Mäuse"_s,      u"Fluss"_s,    u"Öl"_s,     u"Brücke"_s,
                                       u"Hauptstadt"_s, u"Rechnung"_s, u"Wörter"_s, u"schön"_s,
                                       u"Bäume"_s,      u"Zahl"_s,     u"Tür"_s,    u"weiß"_s};

// A text of 20 to 120 characters that starts with its number, so no two are the same.
QString line(std::mt19937 &engine, const QString &kind, int number)
{
    std::uniform_int_distribution<int> lengthOf(20, 120);
    std::uniform_int_distribution<size_t> wordOf(0, words.size() - 1);
    const int length = lengthOf(engine);
    QString text = u"%1 %2"_s.arg(kind).arg(number);
    while (text.size() < length)
        text += u' ' + words[wordOf(engine)];
    text.truncate(length - 1);
    return text.trimmed() + u'?';
}

} // namespace

Catalogue generateCatalogue(int pairs)
{
    std::mt19937 engine{std::mt19937::result_type(pairs)};
    Catalogue catalogue;
    catalogue.questions.reserve(pairs);
    catalogue.answers.reserve(pairs);
    for (int i = 0; i < pairs; ++i) {
        catalogue.questions.append(line(engine, u"Frage"_s, i));
        catalogue.answers.append(line(engine, u"Antwort"_s, i));
    }
    return catalogue;
}

QString writeGeneratedCatalogue(const QString &folder, int pairs)
{
    const QString path = QDir(folder).filePath(u"KATALOG%1.TXT"_s.arg(pairs));
    const WriteResult written = writeCatalogueFile(path, generateCatalogue(pairs));
    if (!written.ok)
        throw std::runtime_error(written.error.toStdString());
    return path;
}

QString writeLargestFile(const QString &folder, LargestFile kind, int number)
{
    const QString path = QDir(folder).filePath(u"GROESSTE%1.TXT"_s.arg(number));
    const QByteArray answer = "\r\nAntwort\r\n";
    QByteArray bytes = kind == LargestFile::OneLetterPairs
            ? QByteArray("a\rb\r").repeated(maxCatalogueBytes / 4)
            : QByteArray("Lernk\xE4rtchen ")
                            .repeated(maxCatalogueBytes / 13)
                            .leftJustified(maxCatalogueBytes - answer.size(), 'x', true)
                    + answer;
    bytes[0] = char('0' + number);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the largest file");
    return path;
}
