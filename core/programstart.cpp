#include "programstart.h"

#include "filelisting.h"
#include "fileremover.h"
#include "filewriter.h"
#include "personfile.h"
#include "personkeys.h"
#include "taggedline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr const char* kOldMainPrograms[] = {"zubo_v34.exe", "zubo_v35.exe", "zubo.exe", "zubo_v36.exe", "zubo_361.exe"};
constexpr const char* kOldCheckers[] = {"wakto.exe", "wakto16.exe", "wakto17.exe", "wakto18.exe"};

QByteArray firstNameLine(const Lines& lines)
{
    for (const QByteArray& line : lines) {
        if (ExtractField(line, QByteArray()) == personkey::nazwisko)
            return ExtractField(line, personkey::nazwisko);
    }
    return QByteArray();
}

} // namespace

StartList takeCommandLine(QList<PersonListEntry> listed, const QStringList& arguments, const QString& workingDir,
                          const MessageTable& messages, const TextReader& reader)
{
    StartList start;
    if (listed.isEmpty())
        return start;
    QList<PersonListEntry> named;
    for (const QString& argument : arguments) {
        const QString path = QDir::cleanPath(QDir(workingDir).absoluteFilePath(argument));
        if (!QFileInfo(path).isFile())
            continue;
        int code = 0;
        const auto lines = reader.readLines(path, &code);
        if (!lines) {
            start.errors.append(fileErrorMessage(messages, path, code));
            continue;
        }
        named.append({path, firstNameLine(*lines), QByteArray()});
    }
    start.fromCommandLine = !named.isEmpty();
    start.persons = start.fromCommandLine ? std::move(named) : std::move(listed);
    return start;
}

void removeOldProgramFiles(const QString& programDir, const FileRemover& remover)
{
    // Names are matched without regard to case: these files come from older installations copied in.
    const QStringList present = listFiles(programDir, QStringLiteral("*"));
    const auto removeIfPresent = [&](const char* name) {
        for (const QString& found : present) {
            if (found.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                remover.remove(programDir + found);
        }
    };
    for (const char* name : kOldMainPrograms)
        removeIfPresent(name);
    if (!present.contains(QLatin1String(kCheckerFileName)))
        return;
    for (const char* name : kOldCheckers)
        removeIfPresent(name);
}

void removeWriterLeftovers(const QStringList& folders, const QDateTime& now, const FileRemover& remover)
{
    constexpr qint64 kMinimumAgeSeconds = 60;
    // Taken once: each conversion of a local time looks up the time zone.
    const qint64 nowMs = now.toMSecsSinceEpoch();
    for (const QString& folder : folders) {
        // Listed once; only the names that may be leftovers are looked at, each with one status call
        // of its own right before it may be removed (and never through a link).
        const FolderListing listing(folder);
        std::vector<QByteArray> stored = listing.names();
        std::sort(stored.begin(), stored.end(), precedesAsText);
        for (const QByteArray& bytes : stored) {
            const bool temporary = bytes.startsWith(".zubo-") && FileWriter::isTemporaryName(QFile::decodeName(bytes));
            if (!temporary && !isEntryFileName(QByteArrayView(bytes)))
                continue;
            struct stat status;
            if (fstatat(listing.handle(), bytes.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
                !S_ISREG(status.st_mode))
                continue;
            const qint64 modified = qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
            if ((nowMs - modified) / 1000 < kMinimumAgeSeconds)
                continue;
            if (temporary || status.st_size == 0)
                remover.remove(QDir(folder).filePath(QFile::decodeName(bytes)));
        }
    }
}
