// Reading 10,000 person files: line 1 only (as the person list does) and whole (as showing and
// searching do), next to reading the same bytes raw. And line 1 of a file that is one line of 20 MB
// (a foreign file, as a language file could be), next to reading that file raw.
#include "bench_support.h"

#include "personfile.h"
#include "personkeys.h"
#include "taggedline.h"
#include "textlines.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 10000;

const QStringList& files()
{
    static QTemporaryDir dir;
    static const QStringList paths = generatePersonFiles(dir.path() + QStringLiteral("/baza"), kFiles);
    return paths;
}

void RawRead(benchmark::State& state)
{
    const RawFiles raw(files()); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(raw.read());
}

void FirstLineAndName(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& path : files()) {
            const auto line = readFirstLine(path);
            if (line && ExtractField(*line, QByteArray()) == personkey::nazwisko)
                total += ExtractField(*line, personkey::nazwisko).size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void WholeFileParsed(benchmark::State& state)
{
    for (auto _ : state) {
        qint64 total = 0;
        for (const QString& path : files()) {
            if (const auto lines = readLines(path))
                total += PersonRecord::parse(*lines).telefony.size();
        }
        benchmark::DoNotOptimize(total);
    }
}

const QString& hugeLineFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.path() + QStringLiteral("/huge.lng");
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(QByteArray(20 * 1024 * 1024, 'x')) < 0)
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }();
    return path;
}

void HugeLineRawRead(benchmark::State& state)
{
    const RawFiles raw({hugeLineFile()});
    for (auto _ : state)
        benchmark::DoNotOptimize(raw.read());
}

void HugeLineFirstLine(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readFirstLine(hugeLineFile()));
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstLineAndName)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeFileParsed)->Unit(benchmark::kMillisecond);
BENCHMARK(HugeLineRawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(HugeLineFirstLine)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
