#include "bin.h"

#include "codec1250.h"
#include "fileremover.h"
#include "filewriter.h"
#include "personfile.h"
#include "personkeys.h"
#include "taggedline.h"
#include "textlines.h"

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

} // namespace

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

namespace {

// The moment's base, followed by "_2", "_3"... while any file of the folder has it.
QString freeBase(const QString& folder, const QDateTime& now)
{
    const QString stem = baseNameOf(movedAsideName(now));
    QString base = stem;
    for (int n = 2; !filesOfBase(folder, base).isEmpty(); ++n)
        base = stem + u'_' + QString::number(n);
    return base;
}

} // namespace

std::optional<DeleteResult> deleteEntry(const QString& path, const QDateTime& now, const FileWriter& writer,
                                        const FileRemover& remover)
{
    DeleteResult result;
    switch (kindOfFileName(path)) {
    case EntryKind::Person: {
        if (!endsIn(path, kPerson))
            return std::nullopt;
        // Its photo stays for the restore.
        const QString older = siblingPath(path, kBinned);
        if (QFileInfo::exists(older)) {
            const std::optional<QString> aside = moveEntryAside(older, freeBase(QFileInfo(older).path() + u'/', now),
                                                                writer, remover, &result.failedPath, &result.errorCode);
            if (!aside)
                return result;
            result.movedAside = *aside;
        }
        if (!renameWithoutReplacing(path, path.chopped(kPerson.size()) + kBinned)) {
            result.failedPath = path;
            result.errorCode = QFileDevice::RenameError;
        }
        return result;
    }
    case EntryKind::OneOff:
        if (!endsIn(path, kOneOff))
            return std::nullopt;
        break;
    case EntryKind::Binned:
        if (!endsIn(path, kBinned))
            return std::nullopt;
        break;
    case EntryKind::Other:
        return result;
    }
    if (QFileInfo::exists(path) && !remover.remove(path)) {
        result.failedPath = path;
        result.errorCode = QFileDevice::RemoveError;
    }
    // A person of the same base still shows the photo.
    deletePhotoIfUnused(path, remover);
    return result;
}

std::optional<QString> moveEntryAside(const QString& entry, const QString& base, const FileWriter& writer,
                                      const FileRemover& remover, QString* failedPath, int* errorCode)
{
    const auto fail = [&](QFileDevice::FileError code) -> std::optional<QString> {
        *failedPath = entry;
        *errorCode = code;
        return std::nullopt;
    };
    const QFileInfo info(entry);
    const QString folder = info.path() + u'/';
    const QString extension = info.fileName().mid(baseNameOf(info.fileName()).size()).toLower();
    const QString target = folder + base + extension;
    // Never onto a base that another file already has: its photo would then be shared by accident.
    if (!filesOfBase(folder, base).isEmpty())
        return fail(QFileDevice::RenameError);

    const std::optional<QByteArray> bytes = readBytes(entry);
    if (!bytes)
        return fail(QFileDevice::ReadError);
    const QString photo = photoPathFor(entry);
    const QString named = cp1250::toUnicode(PersonRecord::parse(splitLines(*bytes)).zdjecie);
    if (named.compare(photoFileName(info.fileName()), Qt::CaseInsensitive) != 0 || !QFileInfo::exists(photo)) {
        if (!renameWithoutReplacing(entry, target))
            return fail(QFileDevice::RenameError);
        return target;
    }

    const QString photoCopy = folder + photoFileName(base + extension);
    const std::optional<QByteArray> picture = readBytes(photo);
    if (!picture || !writer.writeAtomically(photoCopy, *picture, nullptr))
        return fail(QFileDevice::WriteError);
    const QByteArray key(personkey::zdjecie);
    LineRewrite copy(*bytes);
    LineCursor lines(*bytes);
    for (QByteArrayView line; lines.next(line);) {
        if (TaggedFields(line).key() == key)
            copy.add(taggedLine(key, photoFileName(base + extension).toLatin1()));
        else
            copy.keep(line, lines.end());
    }
    // The old entry goes only once its copy is complete, and only while it is what was copied.
    if (!writer.writeAtomically(target, copy.bytes(), nullptr) || readBytes(entry) != bytes || !remover.remove(entry)) {
        remover.remove(target);
        remover.remove(photoCopy);
        return fail(QFileDevice::RemoveError);
    }
    return target;
}

std::optional<RestoreResult> restoreEntry(const QString& path, const QDateTime& now, const FileWriter& writer,
                                          const FileRemover& remover)
{
    if (!endsIn(path, kBinned))
        return std::nullopt;
    RestoreResult result;
    result.restoredPath = path.chopped(kBinned.size()) + kPerson;
    const QString existing = siblingPath(path, kPerson);
    if (QFileInfo::exists(existing)) {
        // Under the moment's name only, never over or beside another file of that base, so a second
        // restore within the same second fails here instead of losing the first moved file.
        const std::optional<QString> aside = moveEntryAside(existing, baseNameOf(movedAsideName(now)), writer, remover,
                                                            &result.failedPath, &result.errorCode);
        if (!aside)
            return result;
        result.movedAside = *aside;
    }
    result.restored = renameWithoutReplacing(path, result.restoredPath);
    if (!result.restored) {
        result.failedPath = path;
        result.errorCode = QFileDevice::RenameError;
    }
    return result;
}
