#pragma once

#include "messages.h"
#include "personlist.h"
#include "textreader.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class FileRemover;
class FolderListing;

// The person list the main window starts with, after the command line was taken into account.
struct StartList {
    // What the chooser lists. The first entry is the one selected and shown at start (none when the
    // list is empty): the edit command relies on the shown person being the selected one.
    QList<PersonListEntry> persons;
    // The command line named person files: they replace the listing, in argument order, and
    // "Wszystko" is unchecked in the group filter menu.
    bool fromCommandLine = false;
    // One file error message per command-line file that could not be read; that file is skipped.
    QStringList errors;
};

// Takes the person files named on the command line (the program's arguments without the program
// itself). Arguments that name existing files are made absolute against `workingDir`, so the list
// holds valid paths whatever the working folder, and named by their first "nazwisko" line (empty
// when they have none). "/showexisting" and every other argument are ignored. With an empty
// listing the arguments are not looked at.
StartList takeCommandLine(QList<PersonListEntry> listed, const QStringList& arguments, const QString& workingDir,
                          const MessageTable& messages, const TextReader& reader = TextReader::standard());

// The checker of this installation; the old checkers are removed only when it is there, so the
// user is never left without one.
inline constexpr char kCheckerFileName[] = "wakto19";

// Removes the files of older program versions from the program folder, each only when it exists
// (in any case of its name, as found): the old main programs, then, when the checker is there,
// the old checkers. A file that cannot be deleted is left without a message.
void removeOldProgramFiles(const QString& programDir, const FileRemover& remover);

// Removes what a program killed in the middle of a save leaves behind in `folders`, and nothing
// else: the writer's temporary files (FileWriter::isTemporaryName), which may hold personal data,
// and empty entry files (".wps", ".wpj", ".wpb"), claimed names whose content never came, with the
// photo of an empty entry file when no other entry file of its base is left. Each only
// when it is a plain file (never a link) last changed a minute or more before `now`, so that a save
// another running program is making is left alone. Every file is looked at again right before it
// is removed.
void removeWriterLeftovers(const QStringList& folders, const QDateTime& now, const FileRemover& remover);
// The same for one folder listed and held open, looking only at the writer's temporary files and
// at `entryFilesWithoutBytes` (names as stored, in the order entryFilesIn gives): the "*.wp?" files
// that a listing which read the folder's other ones did not find holding bytes
// (PersonListing::ListedFolderVisit).
void removeWriterLeftoversIn(const QString& folder, const FolderListing& listing,
                             const std::vector<QByteArray>& entryFilesWithoutBytes, const QDateTime& now,
                             const FileRemover& remover);
