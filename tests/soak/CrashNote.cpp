// SPDX-License-Identifier: GPL-3.0-or-later
#include "CrashNote.h"

#include <csignal>
#include <unistd.h>

#ifdef MERKBOLD_SOAK_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace CrashNote {

namespace {

volatile std::uint64_t noteSeed = 0;
volatile long noteAction = 0;

// Only async-signal-safe calls from here on.
void put(const char *text, std::size_t length)
{
    const auto written = ::write(STDERR_FILENO, text, length);
    (void)written;
}

void putNumber(std::uint64_t number)
{
    char digits[24];
    std::size_t first = sizeof digits;
    do {
        digits[--first] = char('0' + number % 10);
        number /= 10;
    } while (number != 0);
    put(digits + first, sizeof digits - first);
}

void note()
{
    static const char crashed[] = "\nsoak: crashed in action ";
    static const char ofSeed[] = " of seed ";
    put(crashed, sizeof crashed - 1);
    putNumber(std::uint64_t(noteAction));
    put(ofSeed, sizeof ofSeed - 1);
    putNumber(noteSeed);
    put("\n", 1);
}

extern "C" void noteAndDie(int signal)
{
    note();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The sanitizers catch invalid memory accesses themselves and report before they die.
#ifdef MERKBOLD_SOAK_SANITIZED
constexpr int signals[] = {SIGABRT};
#else
constexpr int signals[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
#endif

} // namespace

void arm(std::uint64_t seed)
{
    noteSeed = seed;
    noteAction = 0;
    for (const int signal : signals)
        std::signal(signal, noteAndDie);
#ifdef MERKBOLD_SOAK_SANITIZED
    __sanitizer_set_death_callback(note);
#endif
}

void setAction(long action)
{
    noteAction = action;
}

void disarm()
{
    for (const int signal : signals)
        std::signal(signal, SIG_DFL);
#ifdef MERKBOLD_SOAK_SANITIZED
    __sanitizer_set_death_callback(nullptr);
#endif
}

} // namespace CrashNote
