// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a whole process, against a process that shows one Qt window with one line of text.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void startAndWait(benchmark::State &state, const QString &program)
{
    QTemporaryDir folder; // no settings file: the start-up of a first run
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(program);
    for (auto _ : state) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.start(path, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            state.SkipWithError("the process did not end by itself");
    }
}

void StartUpProgram(benchmark::State &state)
{
    startAndWait(state, QStringLiteral("startup_probe"));
}
BENCHMARK(StartUpProgram)->Iterations(20)->Unit(benchmark::kMillisecond);

void StartUpMinimalWindow(benchmark::State &state)
{
    startAndWait(state, QStringLiteral("minimal_window"));
}
BENCHMARK(StartUpMinimalWindow)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
