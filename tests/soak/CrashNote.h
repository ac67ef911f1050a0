// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A crash ends the soak before any test report: this leaves the seed and the action on stderr
// first, so that the run can be replayed. Under the sanitizers their own report comes first.
namespace CrashNote {

void arm(std::uint64_t seed);
void setAction(long action);
void disarm();

} // namespace CrashNote
