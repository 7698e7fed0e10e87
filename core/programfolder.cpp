#include "programfolder.h"

#include "datafolders.h"
#include "filereading.h"
#include "filewriter.h"
#include "namedays.h"
#include "settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The system install's read-only data, relative to the programs in <prefix>/lib/zubo/.
constexpr char kSharedFromPrograms[] = "../../share/zubo/";

// Whether `sums` (lines "<sha256>  <file name>") lists `bytes` as a version of `name`.
bool isShippedVersion(const QByteArray& sums, const QByteArray& bytes, const QString& name)
{
    const QByteArray line = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "  " + name.toUtf8();
    for (QByteArray listed : sums.split('\n')) {
        if (listed.endsWith('\r'))
            listed.chop(1);
        if (listed == line)
            return true;
    }
    return false;
}

} // namespace

InstallFacts InstallFacts::probe(const QString& ownFolder)
{
    InstallFacts facts;
    facts.ownFolder = ownFolder;
    facts.ownFolderWritable = ::access(QFile::encodeName(ownFolder).constData(), W_OK) == 0;
    facts.sharedDataBeside = QFileInfo(withSlash(ownFolder) + QLatin1String(kSharedFromPrograms)).isDir();
    const QString zuboHome = qEnvironmentVariable("ZUBO_HOME");
    if (!zuboHome.isEmpty())
        facts.zuboHome = QFileInfo(zuboHome).absoluteFilePath();
    facts.home = QDir::homePath();
    return facts;
}

ProgramPlaces programPlacesOf(const InstallFacts& facts)
{
    ProgramPlaces places;
    places.programsDir = withSlash(facts.ownFolder);
    if (!facts.sharedDataBeside && facts.ownFolderWritable) {
        places.programDir = programDirOf(facts.ownFolder);
        places.soundDir = places.programDir + QStringLiteral("wav/");
        return places;
    }
    places.programDir = withSlash(!facts.zuboHome.isEmpty() ? facts.zuboHome : withSlash(facts.home) + "Zubo");
    if (facts.sharedDataBeside) {
        const QString shared = QDir::cleanPath(places.programsDir + QLatin1String(kSharedFromPrograms)) + u'/';
        places.soundDir = shared + QStringLiteral("wav/");
        places.shippedNameDayDir = shared + QStringLiteral("stale/");
        places.shippedSums = places.shippedNameDayDir + QStringLiteral("shipped.sha256");
    } else {
        // A folder install that cannot be written: what ships lies in it as it would in the user's.
        places.soundDir = places.programsDir + QStringLiteral("wav/");
        places.shippedNameDayDir = nameDayFolderIn(places.programsDir);
    }
    return places;
}

QList<NameDayProvision> provideShippedNameDays(const ProgramPlaces& places, const FileWriter& writer)
{
    QList<NameDayProvision> failed;
    if (places.shippedNameDayDir.isEmpty())
        return failed;
    const QString target = nameDayFolderIn(places.programDir);
    if (!QDir().mkpath(target)) {
        failed.append({target, QFileDevice::OpenError});
        return failed;
    }
    QByteArray sums;
    if (!places.shippedSums.isEmpty() && readWholeFile(places.shippedSums, sums) != ReadResult::Read)
        sums.clear(); // without the list only a missing file is written
    for (const char* name : {kNamesByDateFile, kNameIndexFile}) {
        const QString fileName = QLatin1String(name);
        QByteArray shipped;
        if (readWholeFile(places.shippedNameDayDir + fileName, shipped) != ReadResult::Read) {
            failed.append({places.shippedNameDayDir + fileName, QFileDevice::ReadError});
            continue;
        }
        const QString path = target + fileName;
        // A link leading out of the data folder is the user's own: never written through.
        if (isLinkLeadingOut(path, {defaultBaseIn(places.programDir)}))
            continue;
        if (QFileInfo(path).exists()) {
            QByteArray present;
            if (readWholeFile(path, present) != ReadResult::Read) {
                failed.append({path, QFileDevice::ReadError});
                continue;
            }
            if (present == shipped || !isShippedVersion(sums, present, fileName))
                continue;
        }
        int code = 0;
        if (!writer.writeAtomically(path, shipped, nullptr, &code))
            failed.append({path, code});
    }
    return failed;
}
