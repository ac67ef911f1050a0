// SPDX-License-Identifier: GPL-3.0-or-later
// "Eingaben sichern" looks for the new texts in the whole catalogue; against a plain scan.
#include "BenchProgram.h"
#include "support/Controls.h"
#include "CatalogueGenerator.h"

#include "platform/ListBox.h"

#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <benchmark/benchmark.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int pairs = 32767;

void EingabenSichern(benchmark::State &state)
{
    const Catalogue catalogue = generateCatalogue(pairs);
    BenchProgram program;
    program.setCatalogue(catalogue.questions, catalogue.answers);
    PictureButton *addPair = button(program.editor(), u"Eingaben sichern"_s);
    int added = 0;
    // Timed by hand: pausing the benchmark's own clock costs more than a short step itself.
    for (auto _ : state) {
        control<QLineEdit>(program.editor(), u"Text1"_s)->setText(u"Neue Frage %1"_s.arg(added));
        control<QLineEdit>(program.editor(), u"Text2"_s)->setText(u"Neue Antwort %1"_s.arg(added));
        ++added;
        const auto start = std::chrono::steady_clock::now();
        addPair->click();
        state.SetIterationTime(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        // Back to the same catalogue, so every step searches the same texts.
        program.catalogue().questions().removeText(pairs);
        program.catalogue().answers().removeText(pairs);
    }
}
BENCHMARK(EingabenSichern)->UseManualTime()->Unit(benchmark::kMicrosecond);

void ScanTwoVectors(benchmark::State &state)
{
    const Catalogue catalogue = generateCatalogue(pairs);
    const std::vector<QString> questions(catalogue.questions.begin(), catalogue.questions.end());
    const std::vector<QString> answers(catalogue.answers.begin(), catalogue.answers.end());
    const QString question = u"Neue Frage"_s;
    const QString answer = u"Neue Antwort"_s;
    for (auto _ : state) {
        const auto found = std::count(questions.begin(), questions.end(), question)
                + std::count(answers.begin(), answers.end(), answer);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(ScanTwoVectors)->Unit(benchmark::kMicrosecond);

} // namespace
