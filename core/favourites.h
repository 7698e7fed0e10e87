#pragma once

#include "filewriter.h"
#include "messages.h"
#include "personlist.h"
#include "storedpaths.h"
#include "textreader.h"

#include <QList>
#include <QString>

// The favourites file baza/ulubione.sps: one person file path per line, in the order the persons
// were added.
inline constexpr char kFavouritesFileName[] = "ulubione.sps";

struct FavouritesLoad {
    // One entry per non-empty line, named after the listed entry of that path (empty when the path
    // is not listed).
    QList<PersonListEntry> entries;
    // The file error message when the file exists but cannot be read; the list is then empty.
    QString error;
};

// Reads the favourites at start, before the command line may replace the person list. A missing
// file gives no favourites and no error. A path of the old system is read as the person file it
// names in the data folders (localPersonPath).
FavouritesLoad loadFavourites(const QString& path, const QList<PersonListEntry>& listed, const MessageTable& messages,
                              const StoredPathFolders& folders, const TextReader& reader = TextReader::standard());

// The outcome of a change of the favourites file.
enum class FavouritesWrite {
    Done,
    // The path holds a character the file cannot keep: one outside code page 1250, or CR, LF or
    // Ctrl-Z, which would cut the line. The message names the path; the file is unchanged.
    PathNotStorable,
    // The file could not be read or written; it is unchanged.
    Failed,
};

// Adds a person file path as the last line of the favourites file, making the file when it is
// missing. The file is read and written whole through the writer, so a failed write leaves it as it
// was.
FavouritesWrite appendFavourite(const QString& file, const QString& personPath, const FileWriter& writer,
                                const TextReader& reader, QString* message);

// Replaces the favourites file by the paths of the entries, one per line, in list order.
FavouritesWrite writeFavourites(const QString& file, const QList<PersonListEntry>& favourites, const FileWriter& writer,
                                QString* message);

// The first entry of exactly this path (case counts), or -1.
qsizetype indexOfPath(const QList<PersonListEntry>& entries, const QString& path);
