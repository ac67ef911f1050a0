// SPDX-License-Identifier: GPL-3.0-or-later
// Loading catalogues the way a child does: a click in the main window's file list.
#include "BenchProgram.h"
#include "CatalogueGenerator.h"

#include "platform/FileListBox.h"

#include <benchmark/benchmark.h>

namespace {

void LoadThroughFileList(benchmark::State &state)
{
    BenchProgram program;
    writeGeneratedCatalogue(program.folder(), int(state.range(0)));
    FileListBox *files = program.main().fileList;
    files->setPath(program.folder());
    for (auto _ : state) {
        state.PauseTiming();
        files->setListIndex(-1);
        state.ResumeTiming();
        files->setListIndex(0);
    }
}
BENCHMARK(LoadThroughFileList)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
