// `make bench`: every figure, then one line per ratio against its baseline of the same run.
#include "RatioReport.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    const bool allMet = printRatios(report, {
        {"reading the largest catalogue", "ReadLargestCatalogue", "SplitLinesOnly", 1, 3},
        {"one right answer at 32767 pairs", "RightAnswer/32767", "RightAnswer/20", 1, 2},
        {"answering the whole largest catalogue", "WholeCatalogueAnswered/32767/iterations:3/manual_time",
         "RightAnswer/20", 32767, 2},
    });
    return allMet ? 0 : 1;
}
