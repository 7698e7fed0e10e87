#pragma once

#include "personfile.h"
#include "textreader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class FileRemover;
class FileWriter;
class RandomSource;

// What the editor's save writes: a new entry under a new random name in the save folder, or an
// edited one rewritten in place under its own name; with a photo, the photo file beside it.
struct EntrySave {
    bool addMode = true;
    QByteArray entryType;    // new entry: "osoba" or "jednorazowka" (any other word means "osoba")
    QString folder;          // new entry: the save folder, ending in "/"
    QString editedPath;      // edited entry: its file
    QStringList dataFolders; // edited entry: the data folders in use (see isLinkLeadingOut)
    PersonRecord record;     // every value but the photo's name, which the save sets
    QByteArray pendingPhone; // new entry: the phone still standing in the phone field
    // The photo file's bytes when the entry is saved with a photo.
    std::optional<QByteArray> photo;
};

struct EntrySaveResult {
    bool saved = false;
    QString fileName; // the file written, without folder
    // What the written file holds, as reading it again would give it: the main window shows it
    // without reading the file it was just handed.
    PersonRecord record;
    QString error; // why nothing was saved
};

// Writes the entry. The photo goes first and the person file last, each through a temporary file
// and a rename, so a reader never meets a person file that names a photo not yet written. When a
// write fails the save is undone as far as it went: a new entry leaves neither its claimed file nor
// its photo behind, an edited one keeps its old file. An edited file is read again first (through
// `reader`) and keeps the lines the editor does not show; when it cannot be read, nothing is saved.
// Nor is it when the file or its photo is a symbolic link that leads out of the data folders.
EntrySaveResult saveEntry(const EntrySave& entry, RandomSource& random, const FileWriter& writer,
                          const FileRemover& remover, const TextReader& reader = TextReader::standard());
