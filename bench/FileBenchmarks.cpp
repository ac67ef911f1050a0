// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the largest catalogue, against merely reading its bytes and cutting them into lines.
#include "CatalogueGenerator.h"

#include "catalogue/CatalogueFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString &largestCatalogue()
{
    static QTemporaryDir folder;
    static const QString path = writeGeneratedCatalogue(folder.path(), 32767);
    return path;
}

void SplitLinesOnly(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(largestCatalogue());
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the catalogue");
        const QByteArray bytes = file.readAll();
        QList<QByteArrayView> lines;
        lines.reserve(70000);
        qsizetype start = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                lines.append(QByteArrayView(bytes).sliced(start, i - start));
                if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
                start = i + 1;
            }
        }
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(SplitLinesOnly)->Unit(benchmark::kMillisecond);

void ReadLargestCatalogue(benchmark::State &state)
{
    for (auto _ : state) {
        const CatalogueReadResult read = readCatalogueFile(largestCatalogue());
        if (read.pairs.questions.size() != 32767)
            state.SkipWithError("the catalogue did not read completely");
        benchmark::DoNotOptimize(read.pairs.questions.data());
    }
}
BENCHMARK(ReadLargestCatalogue)->Unit(benchmark::kMillisecond);

} // namespace
