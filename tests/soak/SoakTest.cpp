// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: a long seeded sequence of random user actions on the real windows, every box
// answered at random, the invariants checked after every action. A failure names the seed and
// the action, and MERKBOLD_SOAK_SEED with MERKBOLD_SOAK_ACTIONS replays the run up to it.
#include "CrashNote.h"
#include "SoakActions.h"
#include "SoakInvariants.h"
#include "SoakWorld.h"
#include "editor/EditorWindow.h"
#include "services/PrintService.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <random>

using namespace Qt::StringLiterals;

namespace {

std::uint64_t soakSeed()
{
    bool ok = false;
    const std::uint64_t chosen = qEnvironmentVariable("MERKBOLD_SOAK_SEED").toULongLong(&ok);
    if (ok)
        return chosen;
    std::random_device device;
    return (std::uint64_t(device()) << 32) | device();
}

long soakActionCount()
{
    bool ok = false;
    const long chosen = qEnvironmentVariable("MERKBOLD_SOAK_ACTIONS").toLong(&ok);
    return ok && chosen > 0 ? chosen : MERKBOLD_SOAK_DEFAULT_ACTIONS;
}

QtMessageHandler previousMessageHandler = nullptr;

// Two notes that would fill the log of a long run: the offscreen platform's, each time the
// about box comes to the front, and Qt's, each time a file name holding a NUL character (a
// question of a junk file typed as a file name) is refused.
void withoutRepeatedNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static const QStringList repeated = {u"This plugin does not support raise()"_s,
                                         u"Broken filename passed to function"_s};
    if (!repeated.contains(message) && previousMessageHandler)
        previousMessageHandler(type, context, message);
}

struct Performed
{
    const char *kind;
    QString what;
};

Performed performOne(SoakWorld &world)
{
    for (;;) {
        const SoakAction &action = world.dice.pickWeighted(soakActions());
        QString what = action.run(world);
        if (!what.isEmpty())
            return {action.kind, what};
    }
}

// Now and then the printer has gone or refuses the job, the front side or the back.
void scriptPrinter(SoakWorld &world)
{
    world.printer.outcomes.clear();
    if (world.dice.chance(0.2)) {
        if (world.dice.chance(0.5))
            world.printer.outcomes << PrintOutcome::Done;
        world.printer.outcomes << (world.dice.chance(0.5) ? PrintOutcome::NoPrinter
                                                          : PrintOutcome::Refused);
    }
}

// What was printed and copied is not kept: a million actions would pile it up.
void forgetOutput(SoakWorld &world)
{
    world.printer.jobs.clear();
    world.printer.fontSettings.clear();
    world.clipboard.calls.clear();
}

// How much of the program a run reached, so that a change that starves a part shows.
struct Coverage
{
    std::map<std::string, long> actionsByKind;
    long inEditor = 0;
    long loads = 0;
    long cataloguesFinished = 0;

    void count(const Performed &performed, const std::vector<RandomDialogs::Box> &boxes,
               bool editorShown)
    {
        ++actionsByKind[performed.kind];
        inEditor += editorShown;
        for (const RandomDialogs::Box &box : boxes) {
            loads += box.prompt.startsWith(u"Datensätze dieser Datei:"_s);
            cataloguesFinished += box.prompt == u"Es wurden alle Fragen beantwortet.\r"_s;
        }
    }

    void print(long actions, int runs, double seconds) const
    {
        std::cout << "soak: " << actions << " actions in " << seconds << " s, " << runs
                  << " run(s) of the program, " << loads << " catalogue loads, "
                  << cataloguesFinished << " catalogues answered to the end, " << inEditor
                  << " actions with the editor shown\n";
        for (const auto &[kind, count] : actionsByKind)
            std::cout << "  " << kind << ": " << count << '\n';
    }
};

// A run of the soak over one world: performs the actions one by one and checks after each.
class SoakRun
{
public:
    explicit SoakRun(std::uint64_t seed) : m_seed(seed), m_world(seed)
    {
        m_world.start();
        m_clock.start();
    }

    // Performs action number `action`; returns the report of what it broke, "" when nothing.
    std::string step(long action)
    {
        scriptPrinter(m_world);
        const int endsBefore = m_world.ends;
        const Performed performed = performOne(m_world);
        QCoreApplication::processEvents();
        const std::vector<RandomDialogs::Box> boxes = m_world.dialogs.takeShown();
        const int ends = m_world.ends - endsBefore;
        const QStringList broken = brokenInvariants(m_world, boxes, ends);
        if (!broken.isEmpty())
            return failureReport(action, performed, broken, boxes);
        ++m_performed;
        m_coverage.count(performed, boxes, m_world.editor().isVisible());
        forgetOutput(m_world);
        remember(u"%1: %2"_s.arg(action).arg(performed.what));
        if (ends > 0) {
            m_world.start();
            remember(u"the program starts again"_s);
        }
        return {};
    }

    void printCoverage() const
    {
        m_coverage.print(m_performed, m_world.starts, double(m_clock.elapsed()) / 1000);
    }

private:
    void remember(const QString &line)
    {
        m_trace.push_back(line);
        if (m_trace.size() > 30)
            m_trace.pop_front();
    }

    std::string failureReport(long action, const Performed &performed, const QStringList &broken,
                              const std::vector<RandomDialogs::Box> &boxes) const
    {
        QString report = u"seed %1, action %2 (%3: %4)\n"_s.arg(m_seed).arg(action).arg(
                QLatin1String(performed.kind), performed.what);
        for (const QString &line : broken)
            report += u"  broken: "_s + line + u'\n';
        for (const RandomDialogs::Box &box : boxes) {
            report += u"  box \"%1\": %2 -> %3"_s.arg(box.title, box.prompt.trimmed())
                              .arg(box.button);
            if (!box.typed.isNull())
                report += u" typed \""_s + box.typed + u'"';
            report += u'\n';
        }
        report += u"  the actions before it, latest last:\n"_s;
        for (const QString &line : m_trace)
            report += u"    "_s + line + u'\n';
        report +=
                u"  replay: MERKBOLD_SOAK_SEED=%1 MERKBOLD_SOAK_ACTIONS=%2 <build>/tests/soak/soak_tests\n"_s
                        .arg(m_seed)
                        .arg(action);
        return report.toStdString();
    }

    std::uint64_t m_seed;
    SoakWorld m_world;
    QElapsedTimer m_clock;
    Coverage m_coverage;
    long m_performed = 0;
    std::deque<QString> m_trace;
};

} // namespace

TEST(Soak, RandomUserActionsKeepTheProgramSound)
{
    const std::uint64_t seed = soakSeed();
    const long actions = soakActionCount();
    std::cout << "soak: seed " << seed << ", " << actions << " actions" << std::endl;
    RecordProperty("seed", std::to_string(seed));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(folder.path());
    CrashNote::arm(seed);
    previousMessageHandler = qInstallMessageHandler(withoutRepeatedNotes);
    {
        SoakRun run(seed);
        for (long action = 1; action <= actions; ++action) {
            CrashNote::setAction(action);
            if (const std::string failure = run.step(action); !failure.empty()) {
                ADD_FAILURE() << failure;
                break;
            }
        }
        run.printCoverage();
    }
    qInstallMessageHandler(previousMessageHandler);
    CrashNote::disarm();
    QDir::setCurrent(previousDir);
}
