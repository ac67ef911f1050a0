#include "platform/Windows1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

namespace {

QByteArray allBytes()
{
    QByteArray bytes(256, '\0');
    for (int i = 0; i < 256; ++i)
        bytes[i] = char(i);
    return bytes;
}

TEST(Windows1252, DecodesEveryByteLikeQtsIcuCodec)
{
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid()) << "this Qt has no ICU windows-1252 codec to compare with";
    for (int i = 0; i < 256; ++i) {
        const QByteArray byte(1, char(i));
        EXPECT_EQ(Windows1252::decode(byte), QString(icu.decode(byte))) << "byte " << i;
    }
}

TEST(Windows1252, MapsTheFiveUndefinedBytesToC1Controls)
{
    EXPECT_EQ(Windows1252::decode("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
}

TEST(Windows1252, GermanLettersAndTypographyDecode)
{
    EXPECT_EQ(Windows1252::decode("\xC4\xD6\xDC\xE4\xF6\xFC\xDF\x80\x84\x93\x96"),
              u"ÄÖÜäöüß€„“–");
}

TEST(Windows1252, EveryByteSurvivesDecodingAndEncoding)
{
    const QString text = Windows1252::decode(allBytes());
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(Windows1252::canEncode(text));
    EXPECT_EQ(Windows1252::encode(text), allBytes());
}

TEST(Windows1252, CharactersOutsideTheCodePageCannotBeEncoded)
{
    EXPECT_FALSE(Windows1252::canEncode(u"Łódź"));
    EXPECT_FALSE(Windows1252::canEncode(u"\u0080")); // byte 0x80 is the euro sign
    EXPECT_FALSE(Windows1252::canEncode(u"\U0001F600"));
    EXPECT_TRUE(Windows1252::canEncode(u"Grüße für 5 €"));
    EXPECT_EQ(Windows1252::encode(u"a\u0141b"), QByteArray("a?b"));
}

} // namespace
