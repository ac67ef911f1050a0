// SPDX-License-Identifier: GPL-3.0-or-later
// `make bench`: every figure, then one line per ratio against its baseline of the same run.
#include "MemoryFigure.h"
#include "RatioReport.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const double memory = memoryPerFileByte();
    const double largestFilePeak = largestFilePeakShareOfGiB();

    benchmark::Initialize(&argc, argv);
    RatioReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();

    bool allMet =
            printRatios(report,
                        {
                                {"reading the largest catalogue", "ReadLargestCatalogue",
                                 "SplitLinesOnly", 1, 3},
                                {"loading it through the main window's file list",
                                 "LoadThroughFileList/32767", "SplitLinesOnly", 1, 5},
                                {"one right answer at 32767 pairs", "RightAnswer/32767",
                                 "RightAnswer/20", 1, 2},
                                {"answering the whole largest catalogue",
                                 "WholeCatalogueAnswered/32767/iterations:3/manual_time",
                                 "RightAnswer/20", 32767, 2},
                                {"\"Eingaben sichern\" at 32767 pairs",
                                 "EingabenSichern/manual_time", "ScanTwoVectors", 1, 3},
                                {"start-up as a whole process", "StartUpProgram/iterations:20",
                                 "StartUpMinimalWindow/iterations:20", 1, 1.5},
                                {"loading a catalogue of 100 000 pairs",
                                 "LoadThroughFileList/100000", "LoadThroughFileList/32767", 1, 3.5},
                                {"guessing the languages of both sides at 32767 pairs",
                                 "GuessBothLanguages/32767", "LoadThroughFileList/32767", 1, 0.5},
                                {"guessing both languages of the largest file accepted "
                                 "(OneLetterPairs)",
                                 "GuessBothLanguagesOfLargestFile/OneLetterPairs",
                                 "LoadLargestFile/OneLetterPairs/iterations:3", 1, 0.5},
                                {"guessing both languages of the largest file accepted "
                                 "(OneLongQuestion)",
                                 "GuessBothLanguagesOfLargestFile/OneLongQuestion",
                                 "LoadLargestFile/OneLongQuestion/iterations:3", 1, 0.5},
                        });
    allMet &= printRatio("memory after loading the largest catalogue, per byte of the file", memory,
                         10);
    // Absolute goals for the largest file accepted: answered within 2 s, at most 1 GiB.
    for (const char *form : {"OneLetterPairs", "OneLongQuestion"}) {
        const double seconds =
                report.nanoseconds(std::string("LoadLargestFile/") + form + "/iterations:3") / 1e9;
        allMet &= printRatio(std::string("loading the largest file accepted (") + form
                                     + "), against 2 s",
                             seconds / 2, 1);
    }
    allMet &= printRatio("peak memory while it replaces an equal catalogue, against 1 GiB",
                         largestFilePeak, 1);
    return allMet ? 0 : 1;
}
