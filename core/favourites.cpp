#include "favourites.h"

#include "codec1250.h"
#include "datafolders.h"

#include <QFileInfo>

namespace {

std::optional<QByteArray> storedPath(const QString& path, QString* message)
{
    std::optional<QByteArray> bytes = cp1250::fromUnicode(path);
    if (bytes && !bytes->contains('\r') && !bytes->contains('\n') && !bytes->contains('\x1a'))
        return bytes;
    if (message)
        *message =
            QStringLiteral("Ścieżka pliku osoby zawiera znak, którego nie można zapisać na liście podręcznej: %1")
                .arg(path);
    return std::nullopt;
}

// The favourites file lies in the default data folder; a link there that leads out of it (a folder
// copied from elsewhere) is not written through.
FavouritesWrite write(const QString& file, const Lines& lines, const FileWriter& writer, QString* message)
{
    if (isLinkLeadingOut(file, {QFileInfo(file).absolutePath()})) {
        if (message)
            *message = QStringLiteral("%1: a link out of the data folders").arg(file);
        return FavouritesWrite::Failed;
    }
    return writeLines(file, lines, writer, message) ? FavouritesWrite::Done : FavouritesWrite::Failed;
}

} // namespace

FavouritesLoad loadFavourites(const QString& path, const QList<PersonListEntry>& listed, const MessageTable& messages,
                              const StoredPathFolders& folders, const TextReader& reader)
{
    FavouritesLoad load;
    if (!QFileInfo::exists(path))
        return load;
    int code = 0;
    const auto lines = reader.readLines(path, &code);
    if (!lines) {
        load.error = fileErrorMessage(messages, path, code);
        return load;
    }
    LocalPersonPaths localPath(folders);
    for (const QByteArray& line : *lines) {
        if (line.isEmpty())
            continue;
        PersonListEntry entry{localPath(cp1250::toUnicode(line)), QByteArray(), QByteArray()};
        if (const qsizetype match = indexOfPath(listed, entry.Path); match >= 0)
            entry.Name = listed[match].Name;
        load.entries.append(entry);
    }
    return load;
}

FavouritesWrite appendFavourite(const QString& file, const QString& personPath, const FileWriter& writer,
                                const TextReader& reader, QString* message)
{
    const std::optional<QByteArray> line = storedPath(personPath, message);
    if (!line)
        return FavouritesWrite::PathNotStorable;
    Lines lines;
    if (QFileInfo::exists(file)) {
        int code = 0;
        std::optional<Lines> old = reader.readLines(file, &code);
        if (!old) {
            if (message)
                *message = QStringLiteral("%1: read error %2").arg(file).arg(code);
            return FavouritesWrite::Failed;
        }
        lines = std::move(*old);
    }
    lines.append(*line);
    return write(file, lines, writer, message);
}

FavouritesWrite writeFavourites(const QString& file, const QList<PersonListEntry>& favourites, const FileWriter& writer,
                                QString* message)
{
    Lines lines;
    for (const PersonListEntry& entry : favourites) {
        const std::optional<QByteArray> line = storedPath(entry.Path, message);
        if (!line)
            return FavouritesWrite::PathNotStorable;
        lines.append(*line);
    }
    return write(file, lines, writer, message);
}

qsizetype indexOfPath(const QList<PersonListEntry>& entries, const QString& path)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].Path == path)
            return i;
    }
    return -1;
}
