#pragma once

#include <QString>

// Deletes files for good. Tests pass a double that records the deletions or makes them fail.
class FileRemover {
public:
    virtual ~FileRemover() = default;

    // Deletes the file at `path`; false when it could not be deleted.
    virtual bool remove(const QString& path) const;

    static const FileRemover& standard();
};
