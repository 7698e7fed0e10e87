#include "bin.h"

#include "personfile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kPerson = QStringLiteral(".wps");
const QString kOneOff = QStringLiteral(".wpj");
const QString kBinned = QStringLiteral(".wpb");

bool endsIn(const QString& path, const QString& extension)
{
    return path.endsWith(extension, Qt::CaseInsensitive);
}

void removeIfThere(const QString& path, const FileRemover& remover)
{
    if (QFileInfo::exists(path))
        remover.remove(path);
}

} // namespace

bool deleteEntry(const QString& path, const FileRemover& remover)
{
    switch (kindOfFileName(path)) {
    case EntryKind::Person:
        if (!endsIn(path, kPerson))
            return false;
        // The person replaces an older bin entry of the same name; its photo stays for the restore.
        removeIfThere(siblingPath(path, kBinned), remover);
        QFile::rename(path, path.chopped(kPerson.size()) + kBinned);
        return true;
    case EntryKind::OneOff:
        if (!endsIn(path, kOneOff))
            return false;
        break;
    case EntryKind::Binned:
        if (!endsIn(path, kBinned))
            return false;
        break;
    case EntryKind::Other:
        return true;
    }
    removeIfThere(path, remover);
    // A person of the same base still shows the photo.
    deletePhotoIfUnused(path, remover);
    return true;
}

QString movedAsideName(const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringLiteral("%1%2%3_%4%5%6.wps")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second());
}

std::optional<RestoreResult> restoreEntry(const QString& path, const QDateTime& now)
{
    if (!endsIn(path, kBinned))
        return std::nullopt;
    RestoreResult result;
    result.restoredPath = path.chopped(kBinned.size()) + kPerson;
    const QString existing = siblingPath(path, kPerson);
    if (QFileInfo::exists(existing)) {
        const QString aside = QFileInfo(path).path() + u'/' + movedAsideName(now);
        // QFile::rename never replaces an existing file, so a second restore within the same second
        // fails here instead of losing the first moved file.
        if (!QFile::rename(existing, aside))
            return result;
        result.movedAside = aside;
    }
    result.restored = QFile::rename(path, result.restoredPath);
    return result;
}
