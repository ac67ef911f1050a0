// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints every figure as Google Benchmark does and keeps each one's time per iteration, so
// that the ratios can be told at the end.
class RatioReport : public benchmark::ConsoleReporter
{
public:
    RatioReport() : ConsoleReporter(OO_Tabular) { }

    void ReportRuns(const std::vector<Run> &runs) override;

    // Nanoseconds per iteration of a benchmark by its name; 0 when it did not run.
    double nanoseconds(const std::string &name) const;

private:
    std::map<std::string, double> m_nanoseconds;
};

struct Ratio
{
    std::string figure;
    std::string measured;
    std::string baseline;
    double baselineFactor; // the baseline counts this many times
    double goal;
};

// One line per ratio: "<figure>: <ratio>× (goal ≤ <goal>×) met" or "… missed". Returns whether
// every goal was met.
bool printRatios(const RatioReport &report, const std::vector<Ratio> &ratios);

// A figure measured outside Google Benchmark, printed in the same form.
bool printRatio(const std::string &figure, double ratio, double goal);
