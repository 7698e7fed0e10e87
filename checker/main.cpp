// wakto19: lists what is due and ends, or shows it in the results window. The program itself needs
// Qt Core only; the window and the GUI libraries are loaded from their module once something is due.
#include "checkerscan.h"
#include "clock.h"
#include "fileremover.h"
#include "programfolder.h"
#include "resultswindow.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <dlfcn.h>

namespace {

// The folder of the running program file, where the window's module lies too.
QString ownFolder(const char* argv0)
{
    QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (!self.exists())
        self = QFileInfo(QString::fromLocal8Bit(argv0));
    return QFileInfo(self.canonicalFilePath()).absolutePath();
}

int showResults(int& argc, char** argv, const ProgramPlaces& places, const CheckerResult& result)
{
    const QByteArray module = QFile::encodeName(places.programsDir + QLatin1String(kResultsWindowModule));
    void* handle = dlopen(module.constData(), RTLD_NOW | RTLD_LOCAL);
    const auto show =
        handle ? reinterpret_cast<ShowResultsFunction>(dlsym(handle, kResultsWindowEntry)) : ShowResultsFunction();
    if (!show) {
        // Without its window the checker has no way to show anything; the installation is broken.
        std::fprintf(stderr, "wakto19: %s\n", dlerror());
        return 1;
    }
    // The module stays loaded to the end: the application's objects live in it.
    return show(argc, argv, places.programDir, places.programsDir, result);
}

} // namespace

int main(int argc, char** argv)
{
    // The program folder of a system install is the user's; the checker only reads it and never
    // makes it: with no folder nothing is due.
    const ProgramPlaces places = programPlacesOf(InstallFacts::probe(ownFolder(argv[0])));
    const CheckerResult result = CheckerMain(places.programDir, Clock::standard().today(), FileRemover::standard());
    if (result.silentEnd())
        return 0;
    return showResults(argc, argv, places, result);
}
