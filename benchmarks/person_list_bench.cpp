// The main program's readers of all person files on 10,000 and 100,000 persons (half in each data
// folder, each in one of 1,000 groups besides "Rodzina"), each next to reading the same files raw:
// the first listing with the scan of the groups, a later listing, the core's whole share of the start
// up to the first shown person, a search, and a group rename (a group ten persons in 10,000 hold,
// renamed there and back: every file read and the holders written and synced, so the disk's sync
// time weighs in; and a group no one holds, every file read and none written). After the run a
// table gives the medians and their ratios.
#include "bench_support.h"

#include "colorscheme.h"
#include "filewriter.h"
#include "groupmanagement.h"
#include "languagechoice.h"
#include "personlist.h"
#include "personsearch.h"
#include "profilefile.h"
#include "programstart.h"
#include "settings.h"
#include "shownperson.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

const GeneratedProgramFolder& program(int persons)
{
    static std::map<int, std::unique_ptr<GeneratedProgramFolder>> made;
    auto& folder = made[persons];
    if (!folder) {
        GeneratedContents contents;
        contents.distinctGroups = 1000;
        folder = std::make_unique<GeneratedProgramFolder>(persons / 2, contents);
    }
    return *folder;
}

QStringList folders(int persons)
{
    const QString& programDir = program(persons).programDir;
    return dataFolders(DatabaseSettings::read(ProfileFile(settingsPathIn(programDir))), programDir);
}

void RawRead(benchmark::State& state, int persons)
{
    const GeneratedProgramFolder& p = program(persons); // generated outside the timed loop
    for (auto _ : state)
        benchmark::DoNotOptimize(p.raw.read());
}

void FirstListingWithGroups(benchmark::State& state, int persons)
{
    const PersonListing listing(folders(persons));
    for (auto _ : state) {
        GroupFilterMenu menu;
        const auto list = listing.RefreshPersonList(menu, true, initialMessages());
        if (list.size() != program(persons).files.size() || menu.groups().size() != 1001)
            state.SkipWithError("the listing missed files or groups");
        benchmark::DoNotOptimize(list.size());
    }
}

void LaterListing(benchmark::State& state, int persons)
{
    const PersonListing listing(folders(persons));
    GroupFilterMenu menu;
    for (auto _ : state)
        benchmark::DoNotOptimize(listing.RefreshPersonList(menu, false, initialMessages()).size());
}

// Everything the core does from the start of the main program to its first shown person: settings,
// language menu, first listing, command line, the first person, the colours.
void CoreStartToFirstShown(benchmark::State& state, int persons)
{
    const QString& programDir = program(persons).programDir;
    for (auto _ : state) {
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

void Search(benchmark::State& state, int persons)
{
    const PersonSearch search(folders(persons));
    SearchRequest request;
    request.texts.name = QByteArray("kowalski12");
    request.texts.town = QByteArray("warszawa");
    request.andMode = true;
    for (auto _ : state) {
        const auto hits = search.run(request);
        if (hits.isEmpty())
            state.SkipWithError("the search found nothing");
        benchmark::DoNotOptimize(hits.size());
    }
}

void GroupRename(benchmark::State& state, int persons)
{
    const QStringList data = folders(persons);
    const FileWriter writer;
    bool there = true;
    for (auto _ : state) {
        const GroupRewrite rewrite =
            there ? RenameGroupInFiles(data, "Grupa7", "Grupa7-nowa", TextReader::standard(), writer)
                  : RenameGroupInFiles(data, "Grupa7-nowa", "Grupa7", TextReader::standard(), writer);
        there = !there;
        if (rewrite.rewritten.size() != persons / 1000 || !rewrite.errors.isEmpty())
            state.SkipWithError("the rename missed files");
    }
}

// A group no file holds: every person file is read and none written.
void GroupRenameOfNoOnesGroup(benchmark::State& state, int persons)
{
    const QStringList data = folders(persons);
    const FileWriter writer;
    for (auto _ : state) {
        const GroupRewrite rewrite = RenameGroupInFiles(data, "Nikt", "Nikt-nowy", TextReader::standard(), writer);
        if (!rewrite.rewritten.isEmpty() || !rewrite.errors.isEmpty())
            state.SkipWithError("the rename wrote files");
    }
}

using Function = void (*)(benchmark::State&, int);
const std::pair<const char*, Function> kBenchmarks[] = {
    {"RawRead", RawRead},
    {"FirstListingWithGroups", FirstListingWithGroups},
    {"LaterListing", LaterListing},
    {"CoreStartToFirstShown", CoreStartToFirstShown},
    {"Search", Search},
    {"GroupRename", GroupRename},
    {"GroupRenameOfNoOnesGroup", GroupRenameOfNoOnesGroup},
};

void registerBenchmarks()
{
    for (const int persons : {10000, 100000}) {
        for (const auto& [name, function] : kBenchmarks)
            benchmark::RegisterBenchmark((name + ('/' + std::to_string(persons))).c_str(), function, persons)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(persons == 10000 ? 4 : 2);
    }
}

void printTable(const Medians& m)
{
    const auto time = [&](const std::string& name) {
        const auto it = m.find(name);
        return it == m.end() ? 0.0 : it->second;
    };
    std::printf("\nMedians and ratios (real time)\n");
    std::printf("%-26s %11s %8s %11s %8s %14s\n", "", "10,000", "/ raw", "100,000", "/ raw", "100k / 10k");
    for (const auto& [name, function] : kBenchmarks) {
        const double small = time(name + std::string("/10000"));
        const double large = time(name + std::string("/100000"));
        const double rawSmall = time("RawRead/10000");
        const double rawLarge = time("RawRead/100000");
        std::printf("%-26s %8.1f ms %7.2fx %8.1f ms %7.2fx %13.2fx\n", name, small, rawSmall > 0 ? small / rawSmall : 0,
                    large, rawLarge > 0 ? large / rawLarge : 0, small > 0 ? large / small : 0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerBenchmarks();
    printTable(runBenchmarks(argc, argv));
    return 0;
}
