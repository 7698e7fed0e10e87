#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

// Finds the plain files of one folder (hidden ones included) whose names match a mask with "*" and
// "?", compared without regard to case the way the data files were always found ("*.wp?" finds
// X.WPB). Returns bare file names in one fixed order, sorted by name, so every listing built on it
// is stable. A missing or unreadable folder gives an empty list.
QStringList listFiles(const QString& folder, const QString& mask);

// The mask rule alone: "*" matches any run of characters, "?" exactly one.
bool matchesMask(const QString& name, const QString& mask);

// A folder read once, and held open: the names of its plain files (hidden ones and links to plain
// files included) as the file system stores them, in the order it gives them, told apart by their
// directory entries, with no status call per file (only a link is followed to see what it names).
// Its files can be opened by name through `handle()` without walking the folder's path again; a file
// that went away meanwhile simply fails to open. A missing or unreadable folder lists nothing.
class FolderListing {
public:
    explicit FolderListing(const QString& folder);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    bool isOpen() const { return m_handle >= 0; }
    int handle() const { return m_handle; }
    const std::vector<QByteArray>& names() const { return m_names; }

private:
    int m_handle = -1;
    std::vector<QByteArray> m_names;
};

// Whether a stored file name (UTF-8) comes before another in the order listFiles sorts names as
// text, without decoding either.
bool precedesAsText(QByteArrayView a, QByteArrayView b);

// Whether a stored name decodes to text that names the same file again: a name that is not valid
// UTF-8 cannot be reached by a path held as text, so no listing built on text paths can read it.
bool decodesExactly(QByteArrayView name);
