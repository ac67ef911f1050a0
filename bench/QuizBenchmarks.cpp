// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one right answer must not grow with the catalogue.
#include "session/QuizProcedures.h"
#include "BenchProgram.h"
#include "CatalogueGenerator.h"

#include "platform/ListBox.h"
#include "support/Controls.h"

#include <QLabel>
#include <chrono>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// The right answer shown, as paging would show it, and "Eingabe".
void answerRight(BenchProgram &program)
{
    program.main().quizState().showAnswer(program.catalogue().answers().text(0));
    button(program.main(), u"Eingabe"_s)->click();
}

void RightAnswer(benchmark::State &state)
{
    const int pairs = int(state.range(0));
    const Catalogue catalogue = generateCatalogue(pairs);
    BenchProgram program;
    program.setCatalogue(catalogue.questions, catalogue.answers);
    QuizProcedures::buildPracticeSet(program.program());
    for (auto _ : state) {
        // The last pair would end the catalogue; refill before that, untimed.
        if (program.catalogue().questions().count() < 2) {
            state.PauseTiming();
            program.setCatalogue(catalogue.questions, catalogue.answers);
            QuizProcedures::buildPracticeSet(program.program());
            state.ResumeTiming();
        }
        answerRight(program);
    }
}
BENCHMARK(RightAnswer)->Arg(20)->Arg(32767)->Unit(benchmark::kMicrosecond);

// Every pair of the largest catalogue answered right, practice set after practice set.
void WholeCatalogueAnswered(benchmark::State &state)
{
    const Catalogue catalogue = generateCatalogue(int(state.range(0)));
    for (auto _ : state) {
        BenchProgram program;
        program.setCatalogue(catalogue.questions, catalogue.answers);
        QuizProcedures::buildPracticeSet(program.program());
        const auto start = std::chrono::steady_clock::now();
        while (program.catalogue().questions().count() > 1)
            answerRight(program);
        state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(WholeCatalogueAnswered)
        ->Arg(32767)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

} // namespace
