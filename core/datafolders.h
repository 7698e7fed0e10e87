#pragma once

#include <QString>
#include <QStringList>

// The files the programs may delete, rename or rewrite lie in the data folders in use (see
// dataFolders). A favourite, a saved list or the command line may name a file anywhere, and a data
// folder copied from another machine or unpacked from an archive may hold symbolic links that lead
// anywhere: what lies outside the data folders is not the program's to change.

// Whether the file `path` names lies in one of `folders` or below one: its folder, every link on
// the way resolved, is one of them or inside one. The file itself need not exist; when it is a
// link, its own place counts, since deleting or renaming a link leaves what it points to alone.
bool liesInDataFolders(const QString& path, const QStringList& folders);

// Whether `path` is a symbolic link through which a write would change a file outside `folders`
// (FileWriter keeps a link and replaces what it points to).
bool isLinkLeadingOut(const QString& path, const QStringList& folders);
