#include "entrysave.h"

#include "datafolders.h"
#include "fieldtext.h"
#include "fileremover.h"
#include "filewriter.h"
#include "personkeys.h"
#include "textlines.h"

#include <QFileInfo>

#include <optional>

namespace {

// The photo is named by the person file's name as it stands, so the "zdjecie" value and the file
// agree also on a file system that tells the cases apart.
bool writePhoto(const QString& folder, const QString& personFileName, const QByteArray& bytes, const FileWriter& writer,
                PersonRecord& record, QString* error)
{
    const QString name = photoFileName(personFileName);
    // No bytes means the picture could not be encoded; they must not replace a good photo.
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: no picture").arg(folder + name);
        return false;
    }
    const std::optional<QByteArray> value = storableText(name, QLatin1String(personkey::zdjecie), error);
    if (!value || !writer.writeAtomically(folder + name, bytes, error))
        return false;
    record.zdjecie = *value;
    return true;
}

// The lines the memo shows for stored notes: a lone CR in a note breaks it.
QList<QByteArray> memoLines(const QList<QByteArray>& notes)
{
    QList<QByteArray> lines;
    for (const QByteArray& note : notes)
        lines.append(note.split('\r'));
    return lines;
}

EntrySaveResult saveNew(const EntrySave& entry, RandomSource& random, const FileWriter& writer,
                        const FileRemover& remover)
{
    EntrySaveResult result;
    const std::optional<QString> name =
        claimNewEntryFile(entry.folder, entry.entryType, random, writer, remover, &result.error);
    if (!name)
        return result;
    const QString path = entry.folder + *name;
    PersonRecord record = entry.record;
    if (entry.photo && !writePhoto(entry.folder, *name, *entry.photo, writer, record, &result.error)) {
        remover.remove(path);
        return result;
    }
    const Lines lines = record.newEntryLines(entry.pendingPhone);
    if (!writeLines(path, lines, writer, &result.error)) {
        if (entry.photo)
            remover.remove(entry.folder + photoFileName(*name));
        remover.remove(path);
        return result;
    }
    result.saved = true;
    result.fileName = *name;
    result.record = PersonRecord::parse(lines);
    return result;
}

EntrySaveResult saveEdited(const EntrySave& entry, const FileWriter& writer, const TextReader& reader)
{
    EntrySaveResult result;
    const QFileInfo file(entry.editedPath);
    PersonRecord record = entry.record;
    // An edited entry may lie anywhere (the command line), but a link is never written through to
    // a file outside the data folders.
    QStringList written = {entry.editedPath};
    if (entry.photo)
        written.append(file.path() + u'/' + photoFileName(file.fileName()));
    for (const QString& path : written) {
        if (isLinkLeadingOut(path, entry.dataFolders)) {
            result.error = QStringLiteral("%1: a link out of the data folders").arg(path);
            return result;
        }
    }
    // A file gone meanwhile is written anew; one that cannot be read is not overwritten blindly.
    QByteArray stored;
    std::optional<PersonRecord> old;
    if (file.exists()) {
        int code = 0;
        if (!reader.readInto(entry.editedPath, stored, &code)) {
            result.error = QStringLiteral("%1: read error %2").arg(entry.editedPath).arg(code);
            return result;
        }
        old = PersonRecord::parse(splitLines(stored));
        record.otherLines = old->otherLines;
        // The memo shows a lone CR as a line break: lines that are the stored notes so broken are
        // the stored notes, unchanged.
        if (record.notatka == memoLines(old->notatka))
            record.notatka = old->notatka;
    }
    if (entry.photo && !writePhoto(file.path() + u'/', file.fileName(), *entry.photo, writer, record, &result.error))
        return result;
    // Unchanged values are written as stored, lines the file holds with their own line ends, and what
    // stands after the file's Ctrl-Z after the lines.
    const Lines lines = record.editedEntryLines(old ? &*old : nullptr);
    LineRewrite rewrite(stored);
    rewrite.addMatching(lines);
    if (!writer.writeAtomically(entry.editedPath, rewrite.bytes(), &result.error))
        return result;
    result.saved = true;
    result.fileName = file.fileName();
    result.record = PersonRecord::parse(lines);
    return result;
}

} // namespace

EntrySaveResult saveEntry(const EntrySave& entry, RandomSource& random, const FileWriter& writer,
                          const FileRemover& remover, const TextReader& reader)
{
    return entry.addMode ? saveNew(entry, random, writer, remover) : saveEdited(entry, writer, reader);
}
