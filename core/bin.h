#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class FileRemover;
class FileWriter;

// The bin: deleting a person only renames its file from ".wps" to ".wpb", so it can be restored;
// a one-off reminder or an entry already in the bin is deleted for good, with its photo unless a
// person file of the same base still uses it.
//
// The kind is the path's last letter, as everywhere; the file is only touched when the path really
// ends in the extension of that kind (in any case), and the names built from it are the path
// without that extension, so a folder whose name holds ".wps" never leads to another file.

struct DeleteResult {
    // The file that could not be moved, renamed or deleted, with the QFileDevice::FileError number of
    // the failure; empty when everything went. The entry then stays where it was.
    QString failedPath;
    int errorCode = 0;
    // Where an older bin entry of the same name was moved, empty when none was.
    QString movedAside;
};

// Deletes the entry at `path`. Nothing when the command is to end without refreshing the list: the
// path ends in "s", "j" or "b" but not in ".wps", ".wpj" or ".wpb". A path of any other kind touches
// no file. A person going to the bin where an older bin entry of the same name lies first moves that
// entry aside (moveEntryAside, to the base of movedAsideName with "_2", "_3"... when that is taken), so
// both stay in the bin.
std::optional<DeleteResult> deleteEntry(const QString& path, const QDateTime& now, const FileWriter& writer,
                                        const FileRemover& remover);

// The name a person file is moved aside to when a restored person takes its name: the local date and
// time as year, month, day, "_", hour, minute, second, each without leading zeros, and ".wps"
// (8 December 2026, 09:05:07 gives "2026128_957.wps").
QString movedAsideName(const QDateTime& now);

// Moves the entry file at `entry` to `base` with its own extension, in lower case, in the same
// folder; fails when any file of the folder already has that base. An entry that names the photo of
// its base takes a copy of it under the new base and names that copy, since a photo belongs to its
// base and goes when the last entry of that base goes. The new files are complete before the old
// entry is deleted; on failure the old entry stays as it was, and nothing new is left. Returns the
// new path, or nothing with `failedPath` and `errorCode` set.
std::optional<QString> moveEntryAside(const QString& entry, const QString& base, const FileWriter& writer,
                                      const FileRemover& remover, QString* failedPath, int* errorCode);

struct RestoreResult {
    // The person file the entry is restored as; the window selects and shows it.
    QString restoredPath;
    // The entry is back out of the bin; false when a rename failed and the files are unchanged.
    bool restored = false;
    // Where an existing person file of the same name was moved, empty when none was.
    QString movedAside;
    // The file that could not be moved or renamed, with the QFileDevice::FileError number of the
    // failure; empty when everything went.
    QString failedPath;
    int errorCode = 0;
};

// Restores the bin entry at `path` (ending in ".wpb") as the person file of the same base name. A
// person file of that name is first moved aside in the same folder under movedAsideName (moveEntryAside,
// so it keeps its photo), never onto a base another file has; when that move fails, nothing is
// renamed. Nothing for a path that is no bin entry.
std::optional<RestoreResult> restoreEntry(const QString& path, const QDateTime& now, const FileWriter& writer,
                                          const FileRemover& remover);
