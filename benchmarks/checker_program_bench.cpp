// The checker's silent run, the cost the user pays at every logon: the whole program wakto19, from
// its start to its end with nothing due, on 10,000 and on 100,000 persons (half in each data
// folder), side by side with
//   - reading the same files raw: open, read to the end and close each one, in this process,
//     with a list of paths made beforehand (the floor),
//   - remind, when it is installed, on the same name days, birthdays and occasions (each
//     announced 7 days ahead): one file per person in two folders, as the checker reads them, and
//     all in one file;
// and what the start of a program costs: Qt Core alone, the GUI libraries loaded, the QApplication
// with its platform plugin, a text laid out (fonts), and wakto19 on an empty program folder.
// After the run a table gives the medians and their ratios.
#include "bench_support.h"

#include "checkerscan.h"
#include "fileremover.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>

namespace {

// wakto19 takes its own folder as the program folder, so each program folder gets its own copy.
QString installChecker(const QString& programDir)
{
    const QString target = programDir + QStringLiteral("wakto19");
    QFile::remove(target);
    QFile::copy(QStringLiteral(WAKTO19_PATH), target);
    return target;
}

struct Persons {
    explicit Persons(int perFolder)
        : folder(perFolder, GeneratedContents(), !remind().isEmpty())
        , checker(installChecker(folder.programDir))
    {}

    static QString remind()
    {
        static const QString path = QStandardPaths::findExecutable(QStringLiteral("remind"));
        return path;
    }

    GeneratedProgramFolder folder;
    QString checker;
};

const Persons& persons(int count)
{
    return personsOf<Persons>(count);
}

// A window on the platform the caller has, or on the offscreen one when there is no display.
QStringList guiEnvironment()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return {};
    return {QStringLiteral("QT_QPA_PLATFORM=offscreen")};
}

void measureProcess(benchmark::State& state, const QString& program, const QStringList& arguments)
{
    for (auto _ : state) {
        if (runProgram(program, arguments, guiEnvironment()) != 0) {
            state.SkipWithError("the program failed, or something is due today (a window opened)");
            return;
        }
    }
}

void RawRead(benchmark::State& state, int count)
{
    const Persons& p = persons(count);
    for (auto _ : state)
        benchmark::DoNotOptimize(p.folder.raw.read());
}

void Wakto19(benchmark::State& state, int count)
{
    const Persons& p = persons(count);
    if (!CheckerMain(p.folder.programDir, QDate::currentDate(), FileRemover::standard()).silentEnd()) {
        state.SkipWithError("something in the generated files is due today");
        return;
    }
    measureProcess(state, p.checker, {});
}

// remind on one file per person (`oneFile` false) or on all reminders in one file.
void Remind(benchmark::State& state, int count, bool oneFile)
{
    const Persons& p = persons(count);
    if (Persons::remind().isEmpty()) {
        state.SkipWithError("remind is not installed");
        return;
    }
    measureProcess(state, Persons::remind(), {QStringLiteral("-q"), oneFile ? p.folder.remindOne : p.folder.remindAll});
}

void RemindFilePerPerson(benchmark::State& state, int count)
{
    Remind(state, count, false);
}

void RemindOneFile(benchmark::State& state, int count)
{
    Remind(state, count, true);
}

void StartQtCore(benchmark::State& state)
{
    measureProcess(state, QStringLiteral(START_PROBE_CORE_PATH), {});
}

void StartGuiLibrariesLoaded(benchmark::State& state)
{
    measureProcess(state, QStringLiteral(START_PROBE_GUI_PATH), {});
}

void StartQApplication(benchmark::State& state)
{
    measureProcess(state, QStringLiteral(START_PROBE_GUI_PATH), {QStringLiteral("application")});
}

void StartQApplicationAndFonts(benchmark::State& state)
{
    measureProcess(state, QStringLiteral(START_PROBE_GUI_PATH), {QStringLiteral("fonts")});
}

void Wakto19EmptyFolder(benchmark::State& state)
{
    static const QTemporaryDir empty;
    static const QString checker = installChecker(empty.path() + u'/');
    measureProcess(state, checker, {});
}

// A fixed number of runs per repetition keeps the whole run to a few minutes.
void registerBenchmarks()
{
    for (const int count : {10000, 100000}) {
        const std::string suffix = '/' + std::to_string(count);
        const int runs = count == 10000 ? 5 : 1;
        for (const auto& [name, function] :
             {std::pair{"RawRead", &RawRead}, std::pair{"Wakto19", &Wakto19},
              std::pair{"RemindFilePerPerson", &RemindFilePerPerson}, std::pair{"RemindOneFile", &RemindOneFile}})
            benchmark::RegisterBenchmark((name + suffix).c_str(), function, count)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(runs);
    }
    for (const auto& [name, function] :
         {std::pair{"StartQtCore", &StartQtCore}, std::pair{"StartGuiLibrariesLoaded", &StartGuiLibrariesLoaded},
          std::pair{"StartQApplication", &StartQApplication},
          std::pair{"StartQApplicationAndFonts", &StartQApplicationAndFonts},
          std::pair{"Wakto19EmptyFolder", &Wakto19EmptyFolder}})
        benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMillisecond)->Iterations(10);
}

// "12.3 ms" or "-" when the benchmark did not run.
std::string cell(const Medians& m, const std::string& name)
{
    const auto it = m.find(name);
    char text[32] = "-";
    if (it != m.end())
        std::snprintf(text, sizeof text, "%.1f ms", it->second);
    return text;
}

std::string ratio(const Medians& m, const std::string& a, const std::string& b)
{
    const auto x = m.find(a);
    const auto y = m.find(b);
    char text[32] = "-";
    if (x != m.end() && y != m.end() && y->second > 0)
        std::snprintf(text, sizeof text, "%.2fx", x->second / y->second);
    return text;
}

void printTable(const Medians& m)
{
    std::printf("\nMedians and ratios (real time)\n");
    std::printf("%-44s %12s %12s\n", "", "10,000", "100,000");
    const auto row = [&](const char* label, const std::string& name) {
        std::printf("%-44s %12s %12s\n", label, cell(m, name + "/10000").c_str(), cell(m, name + "/100000").c_str());
    };
    const auto ratioRow = [&](const char* label, const std::string& a, const std::string& b) {
        std::printf("%-44s %12s %12s\n", label, ratio(m, a + "/10000", b + "/10000").c_str(),
                    ratio(m, a + "/100000", b + "/100000").c_str());
    };
    row("raw open/read/close", "RawRead");
    row("wakto19, silent run", "Wakto19");
    row("remind, one file per person", "RemindFilePerPerson");
    row("remind, all in one file", "RemindOneFile");
    ratioRow("wakto19 / raw read (goal <= 1.25x)", "Wakto19", "RawRead");
    ratioRow("wakto19 / remind per person (goal < 1x)", "Wakto19", "RemindFilePerPerson");
    ratioRow("wakto19 / remind one file", "Wakto19", "RemindOneFile");
    std::printf("%-44s %12s\n", "wakto19 100,000 / 10,000 (goal <= 10x)",
                ratio(m, "Wakto19/100000", "Wakto19/10000").c_str());
    std::printf("\nProgram start (a process that ends at once)\n");
    for (const auto& [label, name] :
         {std::pair{"Qt Core only", "StartQtCore"}, std::pair{"GUI libraries loaded", "StartGuiLibrariesLoaded"},
          std::pair{"QApplication (platform plugin)", "StartQApplication"},
          std::pair{"QApplication and a text laid out (fonts)", "StartQApplicationAndFonts"},
          std::pair{"wakto19, empty program folder", "Wakto19EmptyFolder"}})
        std::printf("%-44s %12s\n", label, cell(m, name).c_str());
    std::printf("%-44s %12s\n", "QApplication and fonts / wakto19 10,000",
                ratio(m, "StartQApplicationAndFonts", "Wakto19/10000").c_str());
}

} // namespace

int main(int argc, char** argv)
{
    registerBenchmarks();
    printTable(runBenchmarks(argc, argv));
    return 0;
}
