#pragma once

#include <QByteArray>
#include <QString>

// Replaces whole files so that a reader sees either the old or the new content: the bytes go to a
// temporary file in the same folder, every write is checked, the file is synced to the disk and
// only then renamed over the target. A crash, a full disk or a failed write leaves the old file
// byte for byte as it was.
class FileWriter {
public:
    virtual ~FileWriter() = default;

    // Writes `bytes` as the new content of `path` (of the file a symlink there points to: the link
    // stays). On failure returns false, leaves no temporary file behind, sets `error` to a text naming
    // the path and the cause, and `code` to the QFileDevice::FileError number that file error
    // messages show: OpenError when no temporary file could be made, WriteError when the bytes or
    // the sync did not all reach the disk, RenameError when the rename failed. Only when the folder
    // could not be synced after the rename (rare, a failing disk) may the new content already stand.
    bool writeAtomically(const QString& path, const QByteArray& bytes, QString* error, int* code = nullptr) const;

    // Creates `path` empty, failing when it already exists (also when another process created it
    // a moment ago). Used to claim a new file name before its content is written.
    virtual bool createExclusive(const QString& path, QString* error) const;

    // Whether a file name is one of the writer's temporary names: "." + "zubo-" + process id + "-" +
    // number + ".tmp". Nothing else of the system or its users is named so, so a file of this name
    // left behind by a killed program is known to be ours.
    static bool isTemporaryName(const QString& fileName);

    static const FileWriter& standard();

protected:
    // Writes to the open temporary file of `target`; returns the number of bytes written, or -1 with
    // errno set. Test doubles override it to fail part-way.
    virtual qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const;
    // Syncs the temporary file to the disk; false when the disk reports a failure.
    virtual bool syncFile(int fd) const;
    // Closes the written temporary file: 0, or -1 with errno set (some file systems report a write
    // error only here).
    virtual int closeFile(int fd) const;
    // Syncs the folder after the rename; false with errno set when the disk reports a failure (a file
    // system that cannot sync a folder is no failure).
    virtual bool syncFolder(int fd) const;
};

// The file that writeAtomically(path) replaces: `path` itself, or the file a symlink there points to
// (also when that file does not exist yet).
QString fileWrittenFor(const QString& path);

// Renames a file, never over an existing file and never by copying: the file either has its new
// name or keeps the old one. False with `code` set to QFileDevice::RenameError when it was not moved.
bool renameWithoutReplacing(const QString& from, const QString& to, int* code = nullptr);
