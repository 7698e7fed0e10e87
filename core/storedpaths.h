#pragma once

#include <QString>

#include <memory>

class FolderFilesByBase;
struct DatabaseSettings;

// Paths of person files that the favourites file and saved person lists hold. Files written by the
// program on its old system hold paths such as "C:\Program Files\Zubo\baza\1-2-3.wps"; copied in
// with the data, they still name a person file of one of the data folders.

// The data folders such a path may name.
struct StoredPathFolders {
    QString defaultBase; // ending in "/"
    QString secondBase;  // ending in "/"; empty when no second data folder is in use
};

StoredPathFolders storedPathFolders(const DatabaseSettings& settings, const QString& programDir);

// The person file a stored path names here. A path of the old system (one that does not start with
// "/" and holds a "\") names the file of its name in the data folder it names: a folder called
// "baza" is the default data folder, any other the second data folder. The old system's file names
// ignore case, so the name finds the file that differs from it only in case (letter for letter,
// never as a pattern; a file of exactly that name first). Every other path, and an old one whose
// second folder is not in use, is taken as it stands.
QString localPersonPath(const QString& stored, const StoredPathFolders& folders);

// The same for the many lines of one file: each data folder is listed once, when a name is first
// looked for in it, however many lines name it.
class LocalPersonPaths {
public:
    explicit LocalPersonPaths(StoredPathFolders folders);
    ~LocalPersonPaths();
    QString operator()(const QString& stored);

private:
    StoredPathFolders m_folders;
    std::unique_ptr<FolderFilesByBase> m_defaultFiles;
    std::unique_ptr<FolderFilesByBase> m_secondFiles;
};
