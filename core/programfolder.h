#pragma once

#include <QString>
#include <QStringList>

class FileWriter;

// Where the programs find what they read and write. A folder install (scripts/install.sh, and the
// build's build/program/) keeps everything in the programs' own folder: settings, data, sounds and
// name days. A system install (the Debian package: the programs in <prefix>/lib/zubo/, what ships
// read-only in <prefix>/share/zubo/) keeps each user's settings and data in ~/Zubo, or the folder
// ZUBO_HOME names, the folder a folder install uses by default, so either install finds the same
// contacts. A folder install the user cannot write counts as a system install too.
struct ProgramPlaces {
    QString programDir;  // the user's program folder: opcje.ini, baza/, lng/; ending in "/"
    QString programsDir; // the folder of the programs themselves; ending in "/"
    QString soundDir;    // the digit sounds <digit>.wav; ending in "/"
    // The folder of the shipped name-day files when they are not the program folder's own (a system
    // install), ending in "/"; empty in a folder install.
    QString shippedNameDayDir;
    // The list of every shipped name-day file version's checksum (shipped.sha256); empty when the
    // install has none.
    QString shippedSums;
};

// What the rule looks at.
struct InstallFacts {
    QString ownFolder;             // the running program's folder, links resolved
    bool ownFolderWritable = true; // whether this user may write it
    bool sharedDataBeside = false; // whether <ownFolder>/../../share/zubo/ is there
    QString zuboHome;              // $ZUBO_HOME made absolute, or empty
    QString home;                  // the user's home folder

    // Looks at the file system and the environment for the program that lies in `ownFolder`.
    static InstallFacts probe(const QString& ownFolder);
};

ProgramPlaces programPlacesOf(const InstallFacts& facts);

// The shipped name-day files of a system install go into the program folder's baza/stale/ at the
// main program's start, under the rule an update of a folder install follows: a file that is
// missing there, or that is an earlier shipped version (its checksum is listed in shippedSums), is
// written through `writer`; one that differs from every shipped version was changed by the user and
// is kept. Nothing is done in a folder install. Returns the paths that could not be read or written,
// each with its file error code.
struct NameDayProvision {
    QString path;
    int code = 0;
};
QList<NameDayProvision> provideShippedNameDays(const ProgramPlaces& places, const FileWriter& writer);
