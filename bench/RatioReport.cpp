// SPDX-License-Identifier: GPL-3.0-or-later
#include "RatioReport.h"

#include <cstdio>

void RatioReport::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.iterations > 0)
            m_nanoseconds[run.benchmark_name()] =
                    run.real_accumulated_time * 1e9 / double(run.iterations);
    }
}

double RatioReport::nanoseconds(const std::string &name) const
{
    const auto found = m_nanoseconds.find(name);
    return found == m_nanoseconds.end() ? 0 : found->second;
}

bool printRatio(const std::string &figure, double ratio, double goal)
{
    const bool met = ratio > 0 && ratio <= goal;
    std::printf("%s: %.2f× (goal ≤ %.1f×) %s\n", figure.c_str(), ratio, goal,
                met ? "met" : "missed");
    return met;
}

bool printRatios(const RatioReport &report, const std::vector<Ratio> &ratios)
{
    bool allMet = true;
    for (const Ratio &ratio : ratios) {
        const double baseline = report.nanoseconds(ratio.baseline) * ratio.baselineFactor;
        const double measured = report.nanoseconds(ratio.measured);
        allMet &= printRatio(ratio.figure, baseline > 0 ? measured / baseline : 0, ratio.goal);
    }
    return allMet;
}
