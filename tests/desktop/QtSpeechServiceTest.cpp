// SPDX-License-Identifier: GPL-3.0-or-later
// Reading aloud never holds the window up. The real service reads through a stand-in engine
// that notes what it is asked to read and gets stuck where a speech server without sound does.
#include "desktop/QtSpeechService.h"
#include "platform/DisplayText.h"
#include "support/speech/StandInSpeech.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLibrary>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString standIn = u"stand-in"_s;
const QLocale german(QLocale::German, QLocale::Germany);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

// Runs the window's event loop until `done`. A service that held the window up would hang here,
// and the time limit of gui_tests turns that into a failure.
void runUntil(const std::function<bool()> &done)
{
    while (!done())
        QTest::qWait(5);
}

void expectTheWindowAnswers()
{
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    runUntil([&fired] { return fired; });
}

bool waitCursorShown()
{
    return QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

template<typename Function>
Function resolved(QLibrary &library, const char *name)
{
    return reinterpret_cast<Function>(library.resolve(name));
}

class SpeechTest : public testing::Test
{
protected:
    // Qt looks for its engines once in a process, at the first engine.
    static void SetUpTestSuite()
    {
        QCoreApplication::addLibraryPath(QStringLiteral(STAND_IN_SPEECH_PLUGINS));
    }

    void script(const StandInSpeechScript &script) { m_script(&script); }
    void hold(bool hold) { m_hold(hold); }
    QStringList readings() const
    {
        QStringList readings;
        m_readings(&readings);
        return readings;
    }
    void readUntil(qsizetype count)
    {
        runUntil([&] { return readings().size() == count; });
    }

private:
    QLibrary m_engine{QStringLiteral(STAND_IN_SPEECH_PLUGIN)};
    decltype(&standInSpeechScript) m_script =
            resolved<decltype(m_script)>(m_engine, "standInSpeechScript");
    decltype(&standInSpeechHold) m_hold = resolved<decltype(m_hold)>(m_engine, "standInSpeechHold");
    decltype(&standInSpeechReadings) m_readings =
            resolved<decltype(m_readings)>(m_engine, "standInSpeechReadings");
};

struct Unreadable
{
    QString engine;
    QList<QLocale> locales;
    std::string reason;
};

class UnreadableSpeech : public SpeechTest, public testing::WithParamInterface<Unreadable>
{ };

TEST_P(UnreadableSpeech, ReadsNothingAndSaysSoOnceOnTheFirstText)
{
    script({.locales = GetParam().locales});
    QtSpeechService speech(GetParam().engine);
    testing::internal::CaptureStderr();
    speech.say({}, german);
    EXPECT_FALSE(waitCursorShown()) << "an empty text must not start the engine";

    speech.say(u"Hund"_s, german);
    speech.say(u"Katze"_s, german);
    EXPECT_TRUE(waitCursorShown());
    runUntil([] { return !waitCursorShown(); });
    const std::string out = testing::internal::GetCapturedStderr();
    const std::string line = "ZEL-Merkbold: Vorlesen ist nicht möglich: " + GetParam().reason;
    EXPECT_NE(out.find(line), std::string::npos) << out;
    EXPECT_EQ(out.find(line), out.rfind(line)) << out;
    EXPECT_EQ(readings(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
        , UnreadableSpeech,
        testing::Values(Unreadable{u"keine-solche-sprachausgabe"_s, {}, "keine Sprachausgabe"},
                        Unreadable{standIn, {british}, "keine deutsche Stimme gefunden"}));

// The engine fails to start as speech-dispatcher's does when the desktop's language has no voice.
TEST_F(SpeechTest, ReadsWithTheLanguagesVoiceElseGermanAndOnlyWhatTheDisplayShows)
{
    const QLocale austrian(QLocale::German, QLocale::Austria);
    script({.locales = {british, austrian, german}, .failsToStart = true});
    QtSpeechService speech(standIn);
    const struct
    {
        QString text;
        QLocale language;
        QString read;
    } cases[] = {
            {u"dog"_s, british, u"en_GB: dog"_s},
            {u"cat"_s, QLocale(QLocale::English, QLocale::UnitedStates), u"en_GB: cat"_s},
            {u"Maus"_s, austrian, u"de_AT: Maus"_s},
            {u"souris"_s, QLocale(QLocale::French, QLocale::France), u"de_DE: souris"_s},
            {QString(displayedCharacters, u'a') + u'b', german,
             u"de_DE: "_s + QString(displayedCharacters, u'a')},
    };
    for (qsizetype count = 0; const auto &c : cases) {
        speech.say(c.text, c.language);
        readUntil(++count);
        const QString read = readings().last();
        EXPECT_TRUE(read == c.read) << read.size() << ' ' << read.left(16).toStdString();
    }
}

TEST_F(SpeechTest, AStuckReadingNeitherHoldsTheWindowNorTheEndOfTheProgram)
{
    script({.locales = {german}, .holdsReading = true});
    auto speech = std::make_unique<QtSpeechService>(standIn);
    speech->say(u"eins"_s, german);
    readUntil(1);
    speech->say(u"zwei"_s, german);
    speech->say(u"drei"_s, german);
    expectTheWindowAnswers();

    hold(false);
    readUntil(2);
    EXPECT_EQ(readings(), (QStringList{u"de_DE: eins"_s, u"de_DE: drei"_s}))
            << "only the latest reading waits for a stuck engine";

    hold(true);
    speech->say(u"vier"_s, german);
    readUntil(3);
    speech.reset();
    hold(false);
}

TEST_F(SpeechTest, AStuckStartNeitherHoldsTheWindowNorTheEndOfTheProgram)
{
    script({.locales = {german}, .holdsStart = true});
    auto speech = std::make_unique<QtSpeechService>(standIn);
    speech->say(u"eins"_s, german);
    speech->say(u"zwei"_s, german);
    expectTheWindowAnswers();
    EXPECT_TRUE(waitCursorShown());
    speech.reset();
    EXPECT_FALSE(waitCursorShown());
    hold(false);
}

} // namespace
