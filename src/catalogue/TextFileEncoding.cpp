// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/TextFileEncoding.h"

#include "Windows1252.h"

#include <QStringDecoder>

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

enum class Utf8Form { AsciiOnly, MultiByte, Invalid };

// Strict UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF). Stops at the first
// invalid sequence, which in a Windows-1252 file is usually its first umlaut.
Utf8Form utf8Form(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    bool multiByte = false;
    while (p < end) {
        const unsigned lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        qsizetype length = 0;
        unsigned secondMin = 0x80;
        unsigned secondMax = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            secondMin = lead == 0xE0 ? 0xA0 : 0x80; // overlong
            secondMax = lead == 0xED ? 0x9F : 0xBF; // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            secondMin = lead == 0xF0 ? 0x90 : 0x80; // overlong
            secondMax = lead == 0xF4 ? 0x8F : 0xBF; // beyond U+10FFFF
        } else {
            return Utf8Form::Invalid;
        }
        if (end - p < length || p[1] < secondMin || p[1] > secondMax)
            return Utf8Form::Invalid;
        for (qsizetype i = 2; i < length; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return Utf8Form::Invalid;
        }
        p += length;
        multiByte = true;
    }
    return multiByte ? Utf8Form::MultiByte : Utf8Form::AsciiOnly;
}

bool wouldBeReadAsUtf8(QByteArrayView bytes)
{
    return bytes.startsWith(kUtf8Bom) || utf8Form(bytes) == Utf8Form::MultiByte;
}

QString decodeUtf8(QByteArrayView bytes)
{
    // A byte-order mark that reaches the decoder is a character of the text: the leading one
    // has been taken off before.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

namespace TextFileEncoding {

bool isWindows1252(QByteArrayView bytes)
{
    return !bytes.startsWith(kUtf8Bom) && utf8Form(bytes) != Utf8Form::MultiByte;
}

QString decode(QByteArrayView bytes)
{
    if (isWindows1252(bytes))
        return Windows1252::decode(bytes);
    if (bytes.startsWith(kUtf8Bom))
        return decodeUtf8(bytes.sliced(kUtf8Bom.size()));
    return decodeUtf8(bytes);
}

QByteArray encode(QStringView text)
{
    if (Windows1252::canEncode(text)) {
        QByteArray bytes = Windows1252::encode(text);
        if (!wouldBeReadAsUtf8(bytes))
            return bytes;
    }
    return kUtf8Bom.toByteArray() + text.toUtf8();
}

} // namespace TextFileEncoding
