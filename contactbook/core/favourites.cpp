#include "favourites.h"

#include "codec1250.h"

#include <QFileInfo>

FavouritesLoad loadFavourites(const QString& path, const QList<PersonListEntry>& listed, const MessageTable& messages,
                              const TextReader& reader)
{
    FavouritesLoad load;
    if (!QFileInfo::exists(path))
        return load;
    int code = 0;
    const auto lines = reader.readLines(path, &code);
    if (!lines) {
        load.error = fileErrorMessage(messages, path, code);
        return load;
    }
    for (const QByteArray& line : *lines) {
        if (line.isEmpty())
            continue;
        PersonListEntry entry{cp1250::toUnicode(line), QByteArray(), QByteArray()};
        const auto match = std::find_if(listed.cbegin(), listed.cend(),
                                        [&](const PersonListEntry& e) { return e.Path == entry.Path; });
        if (match != listed.cend())
            entry.Name = match->Name;
        load.entries.append(entry);
    }
    return load;
}
