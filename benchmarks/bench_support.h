#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Writes `count` person files of typical size (about twenty lines: name, address, phones, mails,
// notes, dates and groups; nothing due on any particular day) into `folder`, and returns their
// paths. `seed` varies the names so several folders differ.
QStringList generatePersonFiles(const QString& folder, int count, int seed = 0);

// Reads the files' bytes and nothing more: the floor every reader is measured against.
qint64 readRaw(const QStringList& paths);

// A program folder in a temporary folder with `perFolder` generated person files in each data
// folder: baza/ and druga/, the second one named in opcje.ini.
struct GeneratedProgramFolder {
    explicit GeneratedProgramFolder(int perFolder);

    QTemporaryDir dir;
    QString programDir; // ending in "/"
    QStringList files;
};
