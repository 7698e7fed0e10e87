// The main program's first listing of 10,000 persons, half in each data folder, with the scan of
// their groups for the group filter menu, next to reading the same files raw; and the core's whole
// share of the start up to the first shown person.
#include "bench_support.h"

#include "colorscheme.h"
#include "languagechoice.h"
#include "personlist.h"
#include "profilefile.h"
#include "programstart.h"
#include "settings.h"
#include "shownperson.h"

#include <QDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFilesPerFolder = 5000;

const GeneratedProgramFolder& program()
{
    static const GeneratedProgramFolder folder(kFilesPerFolder);
    return folder;
}

QStringList folders()
{
    const QString& programDir = program().programDir;
    return dataFolders(DatabaseSettings::read(ProfileFile(settingsPathIn(programDir))), programDir);
}

void RawRead(benchmark::State& state)
{
    program(); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(program().raw.read());
}

void FirstListingWithGroups(benchmark::State& state)
{
    const PersonListing listing(folders());
    for (auto _ : state) {
        GroupFilterMenu menu;
        const auto list = listing.RefreshPersonList(menu, true, initialMessages());
        if (list.size() != program().files.size() || menu.groups().size() != 21)
            state.SkipWithError("the listing missed files or groups");
        benchmark::DoNotOptimize(list.size());
    }
}

void LaterListing(benchmark::State& state)
{
    const PersonListing listing(folders());
    GroupFilterMenu menu;
    for (auto _ : state)
        benchmark::DoNotOptimize(listing.RefreshPersonList(menu, false, initialMessages()).size());
}

// Everything the core does from the start of the main program to its first shown person: settings,
// language menu, first listing, command line, the first person, the colours.
void CoreStartToFirstShown(benchmark::State& state)
{
    program();
    for (auto _ : state) {
        const QString& programDir = program().programDir;
        ProfileFile opcje(settingsPathIn(programDir));
        const DatabaseSettings settings = DatabaseSettings::read(opcje);
        const LanguageMenu languages = BuildLanguageMenu(programDir, opcje);
        GroupFilterMenu menu;
        const PersonListing listing(dataFolders(settings, programDir));
        const StartList start = takeCommandLine(listing.RefreshPersonList(menu, true, initialMessages()), {},
                                                QDir::currentPath(), initialMessages());
        const ShowResult shown = ShowPerson(start.persons.first().Path);
        const ColorScheme colours = readColorScheme(opcje, ColorScheme());
        benchmark::DoNotOptimize(languages.captions.size() + shown.person.record.telefony.size() + colours.tlo_tlo);
    }
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstListingWithGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(LaterListing)->Unit(benchmark::kMillisecond);
BENCHMARK(CoreStartToFirstShown)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
