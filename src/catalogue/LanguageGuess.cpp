// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/LanguageGuess.h"

#include <algorithm>
#include <string>
#include <cstdio> // compact_lang_det.h uses FILE without including it
#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

using namespace Qt::StringLiterals;

namespace {

// Every n-th text, each on a line of its own, n chosen so that the sample spans the whole side
// and stops at languageSampleLength characters.
QString sampleOf(const QStringList &texts)
{
    qsizetype length = 0;
    for (const QString &text : texts)
        length += text.size() + 1;
    const qsizetype step =
            std::max<qsizetype>(1, (length + languageSampleLength - 1) / languageSampleLength);
    QString sample;
    for (qsizetype i = 0; i < texts.size() && sample.size() < languageSampleLength; i += step) {
        sample += QStringView(texts[i]).left(languageSampleLength - sample.size());
        sample += u'\n';
    }
    return sample;
}

// CLD2 gives up on a whole text at the first character that has no place in text interchange:
// control characters other than tab and line ends, and Unicode's noncharacters. A catalogue may
// hold them (every byte of a Windows-1252 file is a character), so they become blanks.
QByteArray interchangeUtf8(const QString &text)
{
    std::u32string points = text.toStdU32String();
    for (char32_t &point : points) {
        if (QChar::category(point) == QChar::Other_Control || QChar::isNonCharacter(point))
            point = U' ';
    }
    return QString::fromStdU32String(points).toUtf8();
}

// CLD2 names a language by its ISO 639 code, a few with script or territory ("zh-Hant",
// "sr-ME"), Javanese by the withdrawn "jw". A language Qt has no locale for (Twi, Scots, the
// script-only and invented ones) gives no guess rather than a stand-in.
std::optional<QLocale> localeOf(CLD2::Language language)
{
    const QLatin1StringView code(CLD2::LanguageCode(language));
    const QLocale locale(code == "jw"_L1 ? u"jv"_s : QString(code));
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return locale;
}

} // namespace

std::optional<QLocale> guessLanguage(const QStringList &texts)
{
    const QByteArray utf8 = interchangeUtf8(sampleOf(texts));
    const CLD2::CLDHints noHints{nullptr, nullptr, CLD2::UNKNOWN_ENCODING, CLD2::UNKNOWN_LANGUAGE};
    // CLD2 fills in the three likeliest languages and their shares too; only its answer and
    // whether it is reliable count here.
    CLD2::Language languages[3];
    int percents[3];
    double scores[3];
    int letterBytes = 0;
    int validBytes = 0;
    bool reliable = false;
    const CLD2::Language language = CLD2::ExtDetectLanguageSummaryCheckUTF8(
            utf8.constData(), int(utf8.size()), true, &noHints, 0, languages, percents, scores,
            nullptr, &letterBytes, &reliable, &validBytes);
    if (!reliable)
        return std::nullopt;
    return localeOf(language);
}
