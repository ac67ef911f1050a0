// SPDX-License-Identifier: GPL-3.0-or-later
// Loading catalogues the way a child does: a click in the main window's file list.
#include "BenchProgram.h"
#include "support/Controls.h"
#include "CatalogueGenerator.h"

#include "platform/FileListBox.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void LoadThroughFileList(benchmark::State &state)
{
    BenchProgram program;
    writeGeneratedCatalogue(program.folder(), int(state.range(0)));
    FileListBox *files = control<FileListBox>(program.main(), u"Datei1"_s);
    files->setPath(program.folder());
    for (auto _ : state) {
        state.PauseTiming();
        files->setCurrentRow(-1);
        state.ResumeTiming();
        files->setCurrentRow(0);
    }
}
BENCHMARK(LoadThroughFileList)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);

// The worst a child can pick: the largest file accepted, loaded in place of another one like it
// and painted, as the next key press finds the window.
void LoadLargestFile(benchmark::State &state, LargestFile kind)
{
    BenchProgram program;
    writeLargestFile(program.folder(), kind, 1);
    writeLargestFile(program.folder(), kind, 2);
    FileListBox *files = control<FileListBox>(program.main(), u"Datei1"_s);
    files->setPath(program.folder());
    int row = 0;
    files->setCurrentRow(row);
    for (auto _ : state) {
        row = 1 - row;
        files->setCurrentRow(row);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
}
BENCHMARK_CAPTURE(LoadLargestFile, OneLetterPairs, LargestFile::OneLetterPairs)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
BENCHMARK_CAPTURE(LoadLargestFile, OneLongQuestion, LargestFile::OneLongQuestion)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

} // namespace
