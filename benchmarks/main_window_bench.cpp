// The main program's start: from the creation of the main window (settings, language menu, first
// listing with the group scan, the first shown person, the colours) to the window drawn with that
// person, on 10,000 and 100,000 persons (half in each data folder), and on 10,000 persons with
// 20,000 groups in one file or 2,000 distinct groups over the persons; each next to reading the same
// files raw. After the run a table gives the medians and their ratios.
#include "bench_support.h"

#include "start.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

struct Dataset {
    const char* name;
    int perFolder;
    GeneratedContents contents;
    int runs; // per repetition
};

GeneratedContents withGroups(int inOneFile, int distinct)
{
    GeneratedContents c;
    c.groupsInOneFile = inOneFile;
    c.distinctGroups = distinct;
    return c;
}

const Dataset kDatasets[] = {
    {"Persons10000", 5000, GeneratedContents(), 5},
    {"Persons100000", 50000, GeneratedContents(), 1},
    {"Groups20000InOneFile", 5000, withGroups(20000, 20), 5},
    {"DistinctGroups2000", 5000, withGroups(0, 2000), 5},
};

const GeneratedProgramFolder& program(const Dataset& d)
{
    static std::map<std::string, std::unique_ptr<GeneratedProgramFolder>> made;
    auto& folder = made[d.name];
    if (!folder)
        folder = std::make_unique<GeneratedProgramFolder>(d.perFolder, d.contents);
    return *folder;
}

start::StartSetup setup(const GeneratedProgramFolder& program)
{
    start::StartSetup s;
    s.programDir = program.programDir;
    s.workingDir = QDir::currentPath();
    s.locale = QLocale(QLocale::Polish, QLocale::Poland);
    return s;
}

void RawRead(benchmark::State& state, const Dataset* d)
{
    const GeneratedProgramFolder& p = program(*d); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(p.raw.read());
}

void StartToFirstShownPerson(benchmark::State& state, const Dataset* d)
{
    const GeneratedProgramFolder& p = program(*d);
    for (auto _ : state) {
        start::TForm1 form(setup(p));
        form.show();
        QCoreApplication::processEvents();
        if (form.PersonList().size() != p.files.size() || form.Shown().record.nazwisko.isEmpty())
            state.SkipWithError("the window did not list and show the persons");
        state.PauseTiming();
        form.hide();
        state.ResumeTiming();
    }
}

void registerBenchmarks()
{
    for (const Dataset& d : kDatasets) {
        benchmark::RegisterBenchmark((d.name + std::string("/RawRead")).c_str(), RawRead, &d)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(d.runs);
        benchmark::RegisterBenchmark((d.name + std::string("/StartToFirstShownPerson")).c_str(),
                                     StartToFirstShownPerson, &d)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(d.runs);
    }
}

void printTable(const Medians& m)
{
    const auto time = [&](const std::string& name) {
        const auto it = m.find(name);
        return it == m.end() ? -1.0 : it->second;
    };
    std::printf("\nMedians and ratios (real time)\n");
    std::printf("%-24s %12s %14s %8s\n", "", "raw read", "first shown", "ratio");
    for (const Dataset& d : kDatasets) {
        const double raw = time(d.name + std::string("/RawRead"));
        const double shown = time(d.name + std::string("/StartToFirstShownPerson"));
        std::printf("%-24s %9.1f ms %11.1f ms %7.2fx\n", d.name, raw, shown, raw > 0 ? shown / raw : 0.0);
    }
    const double base = time("Persons10000/StartToFirstShownPerson");
    if (base > 0) {
        std::printf("first shown, 100,000 / 10,000 (goal <= 10x):       %.2fx\n",
                    time("Persons100000/StartToFirstShownPerson") / base);
        std::printf("20,000 groups in one file / plain 10,000:          %.2fx\n",
                    time("Groups20000InOneFile/StartToFirstShownPerson") / base);
        std::printf("2,000 distinct groups / plain 10,000:              %.2fx\n",
                    time("DistinctGroups2000/StartToFirstShownPerson") / base);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerBenchmarks();
    printTable(runBenchmarks(argc, argv));
    return 0;
}
