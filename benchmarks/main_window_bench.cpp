// The main program's start with 10,000 persons, half in each data folder: from the creation of the
// main window (settings, language menu, first listing with the group scan, the first shown person,
// the colours) to the window drawn on screen with that person.
#include "bench_support.h"

#include "start.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFilesPerFolder = 5000;

const GeneratedProgramFolder& program()
{
    static const GeneratedProgramFolder folder(kFilesPerFolder);
    return folder;
}

start::StartSetup setup()
{
    start::StartSetup s;
    s.programDir = program().programDir;
    s.workingDir = QDir::currentPath();
    s.locale = QLocale(QLocale::Polish, QLocale::Poland);
    return s;
}

void RawRead(benchmark::State& state)
{
    program(); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(program().files));
}

void StartToFirstShownPerson(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        start::TForm1 form(setup());
        form.show();
        QCoreApplication::processEvents();
        if (form.PersonList.size() != program().files.size() || form.ShownName.isEmpty())
            state.SkipWithError("the window did not list and show the persons");
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToFirstShownPerson)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
