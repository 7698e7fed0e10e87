#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Replaces whole files so that a reader sees either the old or the new content: the bytes go to a
// temporary file in the same folder, which is flushed and renamed over the target. A crash, a full
// disk or a failed write leaves the old file as it was.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Writes `bytes` as the new content of `path`. On failure returns false, sets `error` to a text
    // naming the path and the cause, and leaves no temporary file behind.
    bool writeAtomically(const QString& path, const QByteArray& bytes, QString* error) const;

    // Creates `path` empty, failing when it already exists (also when another process created it
    // a moment ago). Used to claim a new file name before its content is written.
    bool createExclusive(const QString& path, QString* error) const;

    static const FileWriter& standard();

protected:
    // Writes to the open temporary file; returns the number of bytes written or -1. Test doubles
    // override it to fail part-way.
    virtual qint64 writeChunk(QIODevice& file, const char* data, qint64 size) const;
};
