// Replacing 200 person files, as a group rename held by 200 persons does: through the checked writer
// (temporary file, every write checked, file and folder synced, rename) next to a plain overwrite in
// place, which is what the safety costs. The files lie in a temporary folder under the current
// folder, so run it from a folder on the disk whose cost you want to know (/tmp may be in memory).
#include "filewriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 200;

struct Files {
    QTemporaryDir dir{QDir::current().filePath(QStringLiteral("file_writer_bench-XXXXXX"))};
    QStringList paths;
    QByteArray content;

    Files()
    {
        for (int i = 0; i < 20; ++i)
            content += "<$@$>notatka</$@$>" + QByteArray(60, char('a' + i)) + "\r\n";
        for (int i = 0; i < kFiles; ++i)
            paths.append(dir.filePath(QStringLiteral("%1-1-1.wps").arg(i)));
    }
};

const Files& files()
{
    static const Files f;
    return f;
}

void PlainOverwrite(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& path : files().paths) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(files().content) < 0)
                state.SkipWithError("cannot write");
        }
    }
}

void CheckedWriter(benchmark::State& state)
{
    for (auto _ : state) {
        for (const QString& path : files().paths) {
            if (!FileWriter::standard().writeAtomically(path, files().content, nullptr))
                state.SkipWithError("cannot write");
        }
    }
}

BENCHMARK(PlainOverwrite)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckedWriter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
