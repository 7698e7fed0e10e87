// The checker's scan of 10,000 person files, half in each data folder, on a day when nothing is due,
// next to reading the same files raw.
#include "bench_support.h"

#include "checkerscan.h"
#include "fileremover.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFilesPerFolder = 5000;
// The generated dates lie in January and February.
const QDate kNothingDue(2026, 8, 15);

struct ProgramFolder {
    QTemporaryDir dir;
    QString programDir;
    QStringList files;

    ProgramFolder()
    {
        programDir = dir.path() + u'/';
        files = generatePersonFiles(programDir + QStringLiteral("baza"), kFilesPerFolder, 0);
        files += generatePersonFiles(programDir + QStringLiteral("druga"), kFilesPerFolder, 1);
        QFile opcje(programDir + QStringLiteral("opcje.ini"));
        if (opcje.open(QIODevice::WriteOnly))
            opcje.write("[opcje]\r\nbaza_2=" + programDir.toUtf8() + "druga\r\n");
    }
};

const ProgramFolder& program()
{
    static const ProgramFolder folder;
    return folder;
}

void RawRead(benchmark::State& state)
{
    program(); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(program().files));
}

void CheckerScan(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        const CheckerResult result = CheckerMain(program().programDir, kNothingDue, FileRemover::standard());
        if (!result.silentEnd())
            state.SkipWithError("something is due on the benchmark day");
        benchmark::DoNotOptimize(result.ComingList.size());
    }
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckerScan)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
