#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes `count` person files of typical size (about twenty lines: name, address, phones, mails,
// notes, dates and groups; nothing due on any particular day) into `folder`, and returns their
// paths. `seed` varies the names so several folders differ.
QStringList generatePersonFiles(const QString& folder, int count, int seed = 0);

// Reads the files' bytes and nothing more: the floor every reader is measured against.
qint64 readRaw(const QStringList& paths);
