// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud never holds the window up. The real service reads through a stand-in engine
// that notes what it is asked to read and gets stuck where a speech server without sound does.
// A service that held the window up would hang these tests; the time limit of gui_tests turns
// that into a failure.
#include "desktop/QtSpeechService.h"
#include "platform/DisplayText.h"
#include "support/speech/StandInSpeech.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString standIn = u"stand-in"_s;
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

bool waitCursorShown()
{
    return QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// gui_tests links the stand-in engine, the very library Qt then loads as the engine, and drives
// it through its controls.
class Speech : public testing::Test
{
protected:
    // Qt looks for its engines once in a process, at the first engine.
    static void SetUpTestSuite()
    {
        QCoreApplication::addLibraryPath(QStringLiteral(STAND_IN_SPEECH_PLUGINS));
    }
    // Runs the window's event loop meanwhile.
    static void readUntil(qsizetype count)
    {
        while (standInSpeechReadings().size() < count)
            QTest::qWait(5);
    }
};

// Without an engine, or without a German voice, nothing is read and one line on standard error
// says so. An empty text does not start the engine; the first one does, behind a wait cursor.
TEST_F(Speech, ReadsNothingWithoutAGermanVoiceAndSaysSoOnceOnTheFirstText)
{
    const std::tuple<QString, QList<QLocale>, std::string> engines[] = {
            {u"keine-solche-sprachausgabe"_s, {}, "keine Sprachausgabe"},
            {standIn, {british}, "keine deutsche Stimme gefunden"}};
    for (const auto &[engine, locales, reason] : engines) {
        standInSpeechScript({.locales = locales});
        QtSpeechService speech(engine);
        testing::internal::CaptureStderr();
        speech.say({}, german);
        EXPECT_FALSE(waitCursorShown());
        speech.say(u"Hund"_s, german);
        speech.say(u"Katze"_s, german);
        EXPECT_TRUE(waitCursorShown());
        while (waitCursorShown())
            QTest::qWait(5);
        const std::string out = testing::internal::GetCapturedStderr();
        const std::string line = "ZEL-Merkbold: Vorlesen ist nicht möglich: " + reason;
        EXPECT_NE(out.find(line), std::string::npos) << out;
        EXPECT_EQ(out.find(line), out.rfind(line)) << out;
        EXPECT_EQ(standInSpeechReadings(), QStringList());
    }
}

// The engine fails to start as speech-dispatcher's does when the desktop's language has no
// voice, and reads all the same.
TEST_F(Speech, ReadsWithTheLanguagesVoiceElseGermanAndOnlyWhatTheDisplayShows)
{
    const QLocale austrian(QLocale::German, QLocale::Austria);
    standInSpeechScript({.locales = {british, austrian, german}, .failsToStart = true});
    QtSpeechService speech(standIn);
    const std::tuple<QString, QLocale, QString> cases[] = {
            {u"dog"_s, british, u"en_GB: dog"_s},
            {u"cat"_s, QLocale(QLocale::English, QLocale::UnitedStates), u"en_GB: cat"_s},
            {u"Maus"_s, austrian, u"de_AT: Maus"_s},
            {u"souris"_s, QLocale(QLocale::French, QLocale::France), u"de_DE: souris"_s},
            {QString(displayedCharacters, u'a') + u'b', german,
             u"de_DE: "_s + QString(displayedCharacters, u'a')}};
    for (qsizetype count = 0; const auto &[text, language, read] : cases) {
        speech.say(text, language);
        readUntil(++count);
        EXPECT_TRUE(standInSpeechReadings().last() == read)
                << standInSpeechReadings().last().left(16).toStdString();
    }
}

// Only the latest reading waits for a stuck engine; neither a stuck reading nor a stuck start
// holds the window, and the service ends without waiting for either.
TEST_F(Speech, AStuckEngineNeitherHoldsTheWindowNorTheEndOfTheProgram)
{
    standInSpeechScript({.locales = {german}, .holdsReading = true});
    auto speech = std::make_unique<QtSpeechService>(standIn);
    speech->say(u"eins"_s, german);
    readUntil(1);
    speech->say(u"zwei"_s, german);
    speech->say(u"drei"_s, german);
    QTest::qWait(20);
    standInSpeechHold(false);
    readUntil(2);
    EXPECT_EQ(standInSpeechReadings(), (QStringList{u"de_DE: eins"_s, u"de_DE: drei"_s}));
    standInSpeechHold(true);
    speech->say(u"vier"_s, german);
    readUntil(3);
    speech.reset();
    standInSpeechScript({.locales = {german}, .holdsStart = true});
    speech = std::make_unique<QtSpeechService>(standIn);
    speech->say(u"eins"_s, german);
    QTest::qWait(20);
    EXPECT_TRUE(waitCursorShown());
    speech.reset();
    EXPECT_FALSE(waitCursorShown());
    standInSpeechHold(false);
}

} // namespace
