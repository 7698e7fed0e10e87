#pragma once

#include "messages.h"
#include "personlist.h"
#include "textreader.h"

#include <QList>
#include <QString>

// The favourites file baza/ulubione.sps: one person file path per line, in the order the persons
// were added.
inline constexpr char kFavouritesFileName[] = "ulubione.sps";

struct FavouritesLoad {
    // One entry per non-empty line, named after the listed entry of that path (empty when the path
    // is not listed).
    QList<PersonListEntry> entries;
    // The file error message when the file exists but cannot be read; the list is then empty.
    QString error;
};

// Reads the favourites at start, before the command line may replace the person list. A missing
// file gives no favourites and no error.
FavouritesLoad loadFavourites(const QString& path, const QList<PersonListEntry>& listed, const MessageTable& messages,
                              const TextReader& reader = TextReader::standard());
