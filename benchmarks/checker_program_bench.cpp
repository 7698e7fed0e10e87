// The whole checker program, wakto19, from its start to its silent end on Qt's offscreen platform:
// with 10,000 person files (half in each data folder, nothing due today), next to reading the same
// files raw, and with an empty program folder (the program's own start).
#include "bench_support.h"

#include "checkerscan.h"
#include "clock.h"
#include "fileremover.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFilesPerFolder = 5000;

// wakto19 takes its own folder as the program folder, so each program folder gets its own copy.
QString installChecker(const QString& programDir)
{
    const QString target = programDir + QStringLiteral("wakto19");
    QFile::remove(target);
    QFile::copy(QStringLiteral(WAKTO19_PATH), target);
    return target;
}

const GeneratedProgramFolder& generated()
{
    static const GeneratedProgramFolder folder(kFilesPerFolder);
    return folder;
}

struct EmptyProgramFolder {
    QTemporaryDir dir;
    QString programDir = dir.path() + QLatin1Char('/');
};

// Runs the program to its end; false when it failed, or did not end by itself (a window opened).
bool runToSilentEnd(const QString& program, QString* why)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        *why = QStringLiteral("did not end by itself: something is due today, or it hangs");
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *why = QStringLiteral("ended with an error");
        return false;
    }
    return true;
}

void measureProgram(benchmark::State& state, const QString& programDir)
{
    const QString program = installChecker(programDir);
    if (!CheckerMain(programDir, Clock::standard().today(), FileRemover::standard()).silentEnd()) {
        state.SkipWithError("something in the generated files is due today; run on another day");
        return;
    }
    for (auto _ : state) {
        QString why;
        if (!runToSilentEnd(program, &why)) {
            state.SkipWithError(why.toUtf8().constData());
            return;
        }
    }
}

void RawRead(benchmark::State& state)
{
    generated();
    for (auto _ : state)
        benchmark::DoNotOptimize(readRaw(generated().files));
}

void CheckerProgram10000Files(benchmark::State& state)
{
    measureProgram(state, generated().programDir);
}

void CheckerProgramEmptyFolder(benchmark::State& state)
{
    static const EmptyProgramFolder empty;
    measureProgram(state, empty.programDir);
}

BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckerProgramEmptyFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckerProgram10000Files)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
