// SPDX-License-Identifier: GPL-3.0-or-later
// Guessing the language of both sides of a catalogue, as a load will, against the load itself.
#include "CatalogueGenerator.h"

#include "catalogue/LanguageGuess.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void guessBothSides(benchmark::State &state, const Catalogue &catalogue)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(guessLanguage(catalogue.questions));
        benchmark::DoNotOptimize(guessLanguage(catalogue.answers));
    }
}

void GuessBothLanguages(benchmark::State &state)
{
    guessBothSides(state, generateCatalogue(int(state.range(0))));
}
BENCHMARK(GuessBothLanguages)->Arg(32767)->Unit(benchmark::kMillisecond);

void GuessBothLanguagesOfLargestFile(benchmark::State &state, LargestFile kind)
{
    QTemporaryDir folder;
    guessBothSides(state, readCatalogueFile(writeLargestFile(folder.path(), kind, 1)).pairs);
}
BENCHMARK_CAPTURE(GuessBothLanguagesOfLargestFile, OneLetterPairs, LargestFile::OneLetterPairs)
        ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GuessBothLanguagesOfLargestFile, OneLongQuestion, LargestFile::OneLongQuestion)
        ->Unit(benchmark::kMillisecond);

} // namespace
