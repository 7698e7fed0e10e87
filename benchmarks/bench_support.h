#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>
#include <string>
#include <vector>

// What the generated person files hold beyond the typical person (about twenty lines: name,
// address, phones, mails, notes, a name day, a birthday, an occasion and two groups).
struct GeneratedContents {
    // Every date lies 30 to 329 days after this day, so nothing is due on it (nor in the days around
    // it that any reminder window reaches).
    QDate quietDay = QDate::currentDate();
    // Besides "Rodzina", each person is in one of this many groups ("Grupa<n>").
    int distinctGroups = 20;
    // One file in the middle of the first folder (not the first person shown) also holds this many
    // groups of its own ("Osobna<n>").
    int groupsInOneFile = 0;
    // When set, each person's name day, birthday and occasion are also written as reminders of
    // another program, announced 7 days ahead: into "<base>.rem" in this folder, and appended to
    // the file `remindOneFile`.
    QString remindFolder;
    QString remindOneFile;
};

// Writes `count` person files into `folder` and returns their paths. `seed` varies the names so
// several folders differ.
QStringList generatePersonFiles(const QString& folder, int count, int seed = 0,
                                const GeneratedContents& contents = GeneratedContents());

// The files' paths as the file system takes them, encoded once outside any timed loop.
class RawFiles {
public:
    explicit RawFiles(const QStringList& paths);
    // Opens, reads to the end and closes each file with plain system calls, as a minimal C program
    // does: the floor every reader is measured against. Returns the number of bytes read.
    qint64 read() const;
    qsizetype size() const { return qsizetype(m_paths.size()); }

private:
    std::vector<QByteArray> m_paths;
};

// A program folder in a temporary folder with `perFolder` generated person files in each data
// folder: baza/ and druga/, the second one named in opcje.ini. With `withRemind`, the same dates as
// reminders of another program: one file per person in remind/baza/ and remind/druga/, both
// included by remind/wszystko.rem, and all of them in the one file remind/jeden.rem.
struct GeneratedProgramFolder {
    explicit GeneratedProgramFolder(int perFolder, GeneratedContents contents = GeneratedContents(),
                                    bool withRemind = false);

    QTemporaryDir dir;
    QString programDir; // ending in "/"
    QStringList files;
    RawFiles raw{{}};
    QString remindAll; // remind/wszystko.rem
    QString remindOne; // remind/jeden.rem
};

// The persons of a benchmark run of `count` persons (10,000 or 100,000), half in each data folder,
// made once at first use: `Persons` is built from the number per folder.
template <class Persons>
const Persons& personsOf(int count)
{
    if (count == 10000) {
        static const Persons p(5000);
        return p;
    }
    static const Persons p(50000);
    return p;
}

// Runs a program with these arguments and environment additions, its output thrown away, and waits
// for it; its exit code, or -1 when it could not be started or did not end normally.
int runProgram(const QString& program, const QStringList& arguments, const QStringList& environment = {});

// The median real time of each benchmark in milliseconds, by name ("Persons10000/RawRead").
using Medians = std::map<std::string, double>;

// Runs the benchmarks registered in this program as BENCHMARK_MAIN does, with 7 repetitions in
// random order and only their aggregates shown, unless the command line says otherwise; returns the
// medians (with one repetition, the single time) for a table of ratios after the run.
Medians runBenchmarks(int argc, char** argv);
