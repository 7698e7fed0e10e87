#pragma once

#include "filewriter.h"
#include "removabledrives.h"

#include <QString>
#include <QStringList>

// The backup of the default data folder to a removable medium: every entry file (*.wp?: persons,
// one-off reminders and the bin) of programDir/baza goes to the folder "baza" of drive "a", or of
// drive "b" when that folder cannot be made on "a". Photos, the favourites and the settings are not
// copied; a file of the same name on the medium is replaced.
struct FloppyCopy {
    enum class Result {
        Copied,     // every entry file was copied
        NoMedium,   // neither drive has a medium on which the folder could be made
        CopyFailed, // the folder was made but some files could not be copied (medium full, ...)
    };
    Result result = Result::NoMedium;
    QString target;     // the folder the files went to, ending in "/"
    QStringList copied; // file names, in listing order
    QStringList failed; // file names that could not be read or written
};

FloppyCopy copyBaseToFloppy(const QString& programDir, const RemovableDrives& drives, const FileWriter& writer);
