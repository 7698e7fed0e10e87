// The checker's scan of 10,000 person files, half in each data folder, on a day when nothing is due,
// next to reading the same files raw.
#include "bench_support.h"

#include "checkerscan.h"
#include "fileremover.h"

#include <QDate>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFilesPerFolder = 5000;
// The generated dates lie 30 days or more away from today.
const QDate kNothingDue = QDate::currentDate();

const GeneratedProgramFolder& program()
{
    static const GeneratedProgramFolder folder(kFilesPerFolder);
    return folder;
}

void RawRead(benchmark::State& state)
{
    program(); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(program().raw.read());
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
