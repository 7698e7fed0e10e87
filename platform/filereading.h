#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file with one open, as many reads as its size needs and one close, with no status
// call: the reads go into `buffer`, whose memory is kept from file to file, so reading many small
// files allocates nothing per file. A file that fits takes two reads, the one that gets its bytes
// and the one that finds its end. `buffer` holds the file's bytes afterwards, or nothing on failure.
enum class ReadResult {
    Read,
    OpenFailed, // no such file (any more), or not allowed
    ReadFailed, // opened, but a read failed part-way
};

ReadResult readWholeFile(const QString& path, QByteArray& buffer);
// The file `name` (as stored) of a folder held open, see FolderListing, which lists plain files: a
// read that returns less than the room it was given is taken as the end of the file, as it is for a
// plain file, so a file that fits takes one read. A file swapped for something else since the
// listing (a pipe) may then give only its first bytes; a caller that acts on them reads again first.
ReadResult readWholeFileIn(int folder, const char* name, QByteArray& buffer);
