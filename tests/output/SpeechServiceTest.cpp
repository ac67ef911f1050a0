// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud where no speech engine can be had: the engine is asked for only when there is
// something to read, and the program says once that it cannot read.
#include "desktop/QtSpeechService.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(QtSpeechService, WithoutAnEngineReadsNothingAndSaysSoOnceOnTheFirstText)
{
    QtSpeechService speech(u"keine-solche-sprachausgabe"_s);
    testing::internal::CaptureStderr();
    speech.say({});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "an empty text must not start it";

    testing::internal::CaptureStderr();
    speech.say(u"Hund"_s);
    speech.say(u"Katze"_s);
    const std::string out = testing::internal::GetCapturedStderr();
    const std::string line = "ZEL-Merkbold: Vorlesen ist nicht möglich: keine Sprachausgabe";
    EXPECT_NE(out.find(line), std::string::npos) << out;
    EXPECT_EQ(out.find(line), out.rfind(line)) << out;
}
