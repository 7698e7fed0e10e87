#pragma once

#include "textlines.h"

#include <QByteArray>
#include <QString>

#include <optional>

class FolderListing;

// Reads the person files and other text files that the main program takes apart. The real reader
// reads the disk; tests pass one that fails for chosen files, as a damaged disk would.
class TextReader {
public:
    virtual ~TextReader() = default;

    // The whole file as lines; nothing when it cannot be opened or read, with `code` set to the
    // QFileDevice::FileError number that file error messages show.
    virtual std::optional<Lines> readLines(const QString& path, int* code = nullptr) const;
    // Line 1 only; an empty file gives an empty line.
    virtual std::optional<QByteArray> readFirstLine(const QString& path, int* code = nullptr) const;
    // The whole file as stored into `buffer`, whose memory is kept from call to call, so a listing
    // of many files allocates nothing per file; false when it cannot be opened or read.
    virtual bool readInto(const QString& path, QByteArray& buffer, int* code = nullptr) const;
    // The same for the file `name` (as stored) of a folder held open, whose path is `path`: opened
    // through the folder, without walking its path again (see readWholeFileIn). Listings call it
    // from several threads at once (FilesReadAhead).
    virtual bool readIn(const FolderListing& folder, const QByteArray& name, const QString& path, QByteArray& buffer,
                        int* code = nullptr) const;

    static const TextReader& standard();
};
