// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Windows1252.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

TEST(Windows1252, DecodesEveryByteLikeQtsIcuCodecAndEncodesItBack)
{
    QStringDecoder icu("windows-1252");
    ASSERT_TRUE(icu.isValid()) << "this Qt has no ICU windows-1252 codec to compare with";
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i) {
        const QByteArray byte(1, char(i));
        EXPECT_EQ(Windows1252::decode(byte), QString(icu.decode(byte))) << "byte " << i;
        allBytes += byte;
    }
    EXPECT_EQ(Windows1252::encode(Windows1252::decode(allBytes)), allBytes);
    EXPECT_FALSE(Windows1252::canEncode(u"\u0080")); // byte 0x80 is the euro sign
}

} // namespace
