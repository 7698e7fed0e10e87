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
#include <iterator>
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

// Whether `name` in the folder held open by `listing` is a plain file (never a link) last changed a
// minute or more before `nowMs`: a file that another running program is writing is younger. One
// status call, which also gives the size.
bool isOldPlainFile(const FolderListing& listing, const QByteArray& name, qint64 nowMs, qint64* size = nullptr)
{
    constexpr qint64 kMinimumAgeSeconds = 60;
    struct stat status;
    if (fstatat(listing.handle(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (size)
        *size = status.st_size;
    const qint64 modified = qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
    return (nowMs - modified) / 1000 >= kMinimumAgeSeconds;
}

// A temporary file of FileWriter, judged on the stored name.
bool isWriterTemporary(const QByteArray& name)
{
    return name.startsWith(".zubo-") && FileWriter::isTemporaryName(QFile::decodeName(name));
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

void removeWriterLeftoversIn(const QString& folder, const FolderListing& listing,
                             const std::vector<QByteArray>& entryFilesWithoutBytes, const QDateTime& now,
                             const FileRemover& remover)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    // The writer's temporary files, found by name, and the entry files told, in the order of their
    // names; each with one status call of its own right before it may be removed (never a link).
    std::vector<QByteArray> temporaries;
    std::copy_if(listing.names().begin(), listing.names().end(), std::back_inserter(temporaries), isWriterTemporary);
    std::sort(temporaries.begin(), temporaries.end(), precedesAsText);
    std::vector<QByteArray> candidates;
    candidates.reserve(temporaries.size() + entryFilesWithoutBytes.size());
    std::merge(temporaries.begin(), temporaries.end(), entryFilesWithoutBytes.begin(), entryFilesWithoutBytes.end(),
               std::back_inserter(candidates), precedesAsText);
    QStringList emptied; // entry files removed, whose photo may be left of the same save
    for (const QByteArray& bytes : candidates) {
        const bool temporary = isWriterTemporary(bytes);
        if (!temporary && !isEntryFileName(QByteArrayView(bytes)))
            continue;
        qint64 size = 0;
        if (!isOldPlainFile(listing, bytes, nowMs, &size) || !(temporary || size == 0))
            continue;
        const QString name = QFile::decodeName(bytes);
        if (remover.remove(QDir(folder).filePath(name)) && !temporary)
            emptied.append(name);
    }
    // A save killed after it wrote the photo leaves it beside the empty entry file: it goes with
    // that file when no other entry file of its base is left and it is as old and plain as the
    // entry was. The picture scratch file is never the photo of an entry.
    if (emptied.isEmpty())
        return;
    FolderFilesByBase files(folder);
    for (const QString& entry : emptied) {
        const QString photo = QFileInfo(siblingPath(files, entry, QStringLiteral(".bmp"))).fileName();
        if (photo.compare(QLatin1String("bufor.bmp"), Qt::CaseInsensitive) == 0 ||
            !photoMayBeDeleted(files, baseNameOf(entry)) || !isOldPlainFile(listing, QFile::encodeName(photo), nowMs))
            continue;
        if (remover.remove(QDir(folder).filePath(photo)))
            files.forget(photo);
    }
}

void removeWriterLeftovers(const QStringList& folders, const QDateTime& now, const FileRemover& remover)
{
    for (const QString& folder : folders) {
        const FolderListing listing(folder);
        std::vector<QByteArray> entryFiles;
        for (const StoredEntryFile& file : entryFilesIn(listing, [](EntryKind) { return true; }))
            entryFiles.push_back(file.name);
        removeWriterLeftoversIn(folder, listing, entryFiles, now, remover);
    }
}
