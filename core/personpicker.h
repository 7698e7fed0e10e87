#pragma once

#include "personlist.h"
#include "storedpaths.h"
#include "textlines.h"
#include "textreader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct DatabaseSettings;

// The print and mail picker's rules: which persons it offers, how its lists name them, which
// persons a group selects, and the saved lists of chosen persons (lista<N>.lst).

// The text of a picker list's row, whose data is its entry index: the index in ten digits, so that
// the sorted lists keep their rows in index order, which is name order.
QString pickerItem(int index);

// The persons to print: every person file of the folders whose line 1 names the person ("0" or an
// empty name is skipped). Unsorted, in the order the files were found; unreadable files are skipped.
QList<PersonListEntry> scanPrintEntries(const QStringList& folders, const TextReader& reader);
// The persons to mail: those whose file names the person before its first "mail" line, with the
// value of that line as the address (never empty).
QList<PersonListEntry> scanMailEntries(const QStringList& folders, const TextReader& reader);

// Whether a person file has a "grupa" line whose value equals one of the groups exactly.
bool inAnyGroup(const Lines& personFile, const QList<QByteArray>& groups);

// ---- Saved lists ----

// The folder lists are saved into and loaded from: the default data folder when it is in use, else
// the second one (the default when neither is set).
QString listFolder(const DatabaseSettings& settings, const QString& programDir);

// "lista<N>.lst" with the first N from 1 that names no file in the folder.
QString firstFreeListName(const QString& folder);

// The content of a list file: one path per line. Nothing when a path cannot be written in code page
// 1250; `refused` then names it.
std::optional<QByteArray> listFileContent(const QStringList& paths, QString* refused);

// The entries a loaded list chooses, as indexes in the order chosen: each line takes the first
// entry, in index order, not yet chosen whose path contains the line (case-sensitive). Lines that
// match nothing, empty lines included, choose nobody. A path of the old system is first read as the
// person file it names in the data folders (localPersonPath).
QList<int> chooseFromList(const Lines& listFile, const QList<PersonListEntry>& entries,
                          const StoredPathFolders& folders);
