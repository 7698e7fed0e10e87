#include "bench_support.h"

#include "personfile.h"
#include "textlines.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Spread over the year, at least 30 days away from the quiet day both ways.
QDate dateOf(const GeneratedContents& contents, int n, int which)
{
    return contents.quietDay.addDays(30 + (n * 37 + which * 91) % 300);
}

QByteArray dayMonth(QDate d)
{
    return d.toString(QStringLiteral("dd.MM")).toLatin1();
}

QByteArray remindLine(QDate d, const QByteArray& text)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return "REM " + QByteArray::number(d.day()) + ' ' + months[d.month() - 1] + " +7 MSG " + text + '\n';
}

void writeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile f(path);
    if (f.open(mode))
        f.write(bytes);
}

} // namespace

QStringList generatePersonFiles(const QString& folder, int count, int seed, const GeneratedContents& contents)
{
    QDir().mkpath(folder);
    if (!contents.remindFolder.isEmpty())
        QDir().mkpath(contents.remindFolder);
    QByteArray remindAll;
    QStringList paths;
    paths.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int n = i + seed * count;
        PersonRecord r;
        r.nazwisko = "Kowalski" + QByteArray::number(n) + " Jan";
        r.ulica = "D\xB3uga";
        r.nr_domu = QByteArray::number(n % 200);
        r.kod_pocztowy = "00-950";
        r.poczta = "Warszawa";
        r.miejscowosc = "Warszawa";
        r.telefony = {"22 123 45 67", "600 700 800"};
        r.mail = {"jan" + QByteArray::number(n) + "@example.org"};
        r.notatka = {"Pierwsza linia notatki", "", "Trzecia linia"};
        r.grupa = {"Rodzina", "Grupa" + QByteArray::number(n % contents.distinctGroups)};
        if (seed == 0 && i == count / 2) {
            for (int g = 0; g < contents.groupsInOneFile; ++g)
                r.grupa.append("Osobna" + QByteArray::number(g));
        }
        const QDate nameDay = dateOf(contents, n, 0);
        const QDate birthday = dateOf(contents, n, 1);
        const QDate occasion = dateOf(contents, n, 2);
        r.imieniny = dayMonth(nameDay);
        r.urodziny = dayMonth(birthday) + ".1970";
        r.impreza = {dayMonth(occasion) + ".1999-Rocznica"};
        const QString base = QStringLiteral("%1-%2-%3").arg(seed).arg(n).arg(i % 97);
        const QString path = QDir(folder).filePath(base + QStringLiteral(".wps"));
        writeFile(path, joinLines(r.editedEntryLines()));
        paths.append(path);
        if (!contents.remindFolder.isEmpty()) {
            const QByteArray reminders = remindLine(nameDay, "Imieniny " + r.nazwisko) +
                                         remindLine(birthday, "Urodziny " + r.nazwisko) +
                                         remindLine(occasion, "Rocznica " + r.nazwisko);
            writeFile(QDir(contents.remindFolder).filePath(base + QStringLiteral(".rem")), reminders);
            remindAll += reminders;
        }
    }
    if (!contents.remindOneFile.isEmpty())
        writeFile(contents.remindOneFile, remindAll, QIODevice::Append);
    return paths;
}

RawFiles::RawFiles(const QStringList& paths)
{
    m_paths.reserve(std::size_t(paths.size()));
    for (const QString& path : paths)
        m_paths.push_back(QFile::encodeName(path));
}

qint64 RawFiles::read() const
{
    static char buffer[65536];
    qint64 total = 0;
    for (const QByteArray& path : m_paths) {
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
            total += n;
        ::close(fd);
    }
    return total;
}

GeneratedProgramFolder::GeneratedProgramFolder(int perFolder, GeneratedContents contents, bool withRemind)
{
    programDir = dir.path() + u'/';
    const QString remind = programDir + QStringLiteral("remind/");
    if (withRemind) {
        QDir().mkpath(remind);
        remindAll = remind + QStringLiteral("wszystko.rem");
        remindOne = remind + QStringLiteral("jeden.rem");
        contents.remindOneFile = remindOne;
        writeFile(remindAll,
                  "INCLUDE " + QFile::encodeName(remind) + "baza\nINCLUDE " + QFile::encodeName(remind) + "druga\n");
    }
    const struct {
        const char* name;
        int seed;
    } folders[] = {{"baza", 0}, {"druga", 1}};
    for (const auto& folder : folders) {
        if (withRemind)
            contents.remindFolder = remind + QLatin1String(folder.name);
        files += generatePersonFiles(programDir + QLatin1String(folder.name), perFolder, folder.seed, contents);
    }
    raw = RawFiles(files);
    writeFile(programDir + QStringLiteral("opcje.ini"), "[opcje]\r\nbaza_2=" + programDir.toUtf8() + "druga\r\n");
}

namespace {

// The strings as the null-ended array of C strings that exec takes; valid while `strings` lives.
std::vector<char*> cStrings(std::vector<QByteArray>& strings)
{
    std::vector<char*> pointers;
    for (QByteArray& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

int runProgram(const QString& program, const QStringList& arguments, const QStringList& environment)
{
    const QByteArray path = QFile::encodeName(program);
    std::vector<QByteArray> args{path};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    for (const QString& e : environment)
        env.push_back(e.toLocal8Bit());
    const std::vector<char*> argv = cStrings(args);
    const std::vector<char*> envp = cStrings(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

namespace {

// Shows the runs as the console reporter does and keeps each benchmark's median.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single)
                continue;
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty())
                name += '/' + run.run_name.args;
            medians[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
        }
    }

    Medians medians;
};

} // namespace

Medians runBenchmarks(int argc, char** argv)
{
    std::vector<char*> args{argv[0]};
    std::string defaults[] = {"--benchmark_repetitions=7", "--benchmark_enable_random_interleaving=true",
                              "--benchmark_report_aggregates_only=true"};
    for (std::string& d : defaults)
        args.push_back(d.data());
    // Given later, the caller's own flags win.
    for (int i = 1; i < argc; ++i)
        args.push_back(argv[i]);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.medians;
}
