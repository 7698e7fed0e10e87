// The checker's work before its window, in this process: the scan of 10,000 person files, half in
// each data folder, on a day when nothing is due, next to reading the same files raw; and the same
// scan with 1,000 one-off reminders with photos that passed two days ago, all deleted in the run.
#include "bench_support.h"

#include "checkerscan.h"
#include "fileremover.h"

#include <QDate>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kFilesPerFolder = 5000;
constexpr int kPassedReminders = 1000;
// The generated dates lie 30 days or more away from today.
const QDate kNothingDue = QDate::currentDate();

const GeneratedProgramFolder& program()
{
    static const GeneratedProgramFolder folder(kFilesPerFolder);
    return folder;
}

void writePassedReminders()
{
    const QByteArray content = "<$@$>nazwisko</$@$>Rata\r\n<$@$>impreza</$@$>" +
                               kNothingDue.addDays(-2).toString(QStringLiteral("dd.MM")).toLatin1() + ".????-Rata\r\n";
    for (int i = 0; i < kPassedReminders; ++i) {
        const QString base = program().programDir + QStringLiteral("baza/9-9-%1").arg(i);
        QFile reminder(base + QStringLiteral(".wpj"));
        QFile photo(base + QStringLiteral(".bmp"));
        if (!reminder.open(QIODevice::WriteOnly) || reminder.write(content) != content.size() ||
            !photo.open(QIODevice::WriteOnly) || photo.write("BM") != 2)
            std::fprintf(stderr, "could not write %s\n", qPrintable(base));
    }
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

void CheckerScanDeleting1000PassedReminders(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        state.PauseTiming();
        writePassedReminders();
        state.ResumeTiming();
        const CheckerResult result = CheckerMain(program().programDir, kNothingDue, FileRemover::standard());
        if (!result.silentEnd() || QFile::exists(program().programDir + QStringLiteral("baza/9-9-0.bmp")))
            state.SkipWithError("the passed reminders were not deleted");
    }
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckerScan)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckerScanDeleting1000PassedReminders)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
