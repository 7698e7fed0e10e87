// The favourites file and saved person lists, written on this system or on the old one, and the
// "mailto:" addresses built from a list of stored addresses.
#include "fuzzsupport.h"

#include "codec1250.h"
#include "favourites.h"
#include "filewriter.h"
#include "mailto.h"
#include "messages.h"
#include "personpicker.h"
#include "storedpaths.h"
#include "textlines.h"

#include <QDir>

#include <algorithm>

namespace {

bool isUrlCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           QStringView(u"-._~@%").contains(c);
}

// A "mailto:" address of these addresses: each percent-encoded, followed by "; ".
void checkMailto(const QString& url, const QList<QByteArray>& addresses)
{
    FUZZ_CHECK(url.startsWith(QStringLiteral("mailto:")), url.toUtf8());
    const QStringList parts = url.mid(7).split(QStringLiteral("; "));
    FUZZ_CHECK(parts.size() == addresses.size() + 1 && parts.last().isEmpty(), url.toUtf8());
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        for (const QChar c : parts[i])
            FUZZ_CHECK(isUrlCharacter(c), url.toUtf8());
        FUZZ_CHECK(QByteArray::fromPercentEncoding(parts[i].toLatin1()) == cp1250::toUnicode(addresses[i]).toUtf8(),
                   url.toUtf8());
        FUZZ_CHECK(mailtoUrl(cp1250::toUnicode(addresses[i])) == QStringLiteral("mailto:") + parts[i], url.toUtf8());
    }
}

// A path of the old system names a file of one of the data folders, or stays as it was stored.
void checkLocal(const QString& stored, const QString& local, const StoredPathFolders& folders)
{
    if (local == stored)
        return;
    for (const QString& folder : {folders.defaultBase, folders.secondBase}) {
        if (!local.startsWith(folder))
            continue;
        const QString name = local.mid(folder.size());
        FUZZ_CHECK(!name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..",
                   (stored + QStringLiteral(" -> ") + local).toUtf8());
        return;
    }
    fuzz::fail("an old path names a file of a data folder", (stored + QStringLiteral(" -> ") + local).toUtf8());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    // The favourites file, then a saved list.
    const QList<QByteArray> parts = fuzz::pieces(fuzz::bytesOf(data, size), 2);
    const QString root = fuzz::scratchFolder();
    const StoredPathFolders folders{root + QStringLiteral("baza/"), root + QStringLiteral("drugi/")};
    static const bool made = [&] {
        QDir().mkpath(folders.defaultBase);
        QDir().mkpath(folders.secondBase);
        fuzz::writeScratchFile(QStringLiteral("baza/1-2-3.wps"), "<$@$>nazwisko</$@$>Jan");
        fuzz::writeScratchFile(QStringLiteral("baza/Ab-C.WPS"), "<$@$>nazwisko</$@$>Ala");
        fuzz::writeScratchFile(QStringLiteral("drugi/4-5-6.wpj"), "<$@$>nazwisko</$@$>Ola");
        return true;
    }();
    (void)made;
    const QList<PersonListEntry> listed = {
        {folders.defaultBase + QStringLiteral("1-2-3.wps"), "Jan", ""},
        {folders.defaultBase + QStringLiteral("Ab-C.WPS"), "Ala", ""},
        {folders.secondBase + QStringLiteral("4-5-6.wpj"), "Ola", ""},
    };

    const QString file = fuzz::writeScratchFile(QStringLiteral("baza/ulubione.sps"), parts[0]);
    const FavouritesLoad loaded = loadFavourites(file, listed, initialMessages(), folders);
    FUZZ_CHECK(loaded.error.isEmpty(), loaded.error.toUtf8());
    Lines stored;
    for (const QByteArray& line : splitLines(parts[0])) {
        if (!line.isEmpty())
            stored.append(line);
    }
    FUZZ_CHECK(loaded.entries.size() == stored.size(), parts[0]);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        checkLocal(cp1250::toUnicode(stored[i]), loaded.entries[i].Path, folders);
        const qsizetype match = indexOfPath(listed, loaded.entries[i].Path);
        FUZZ_CHECK(loaded.entries[i].Name == (match < 0 ? QByteArray() : listed[match].Name), parts[0]);
    }

    // Written back and read again, the favourites are the same; a path with a CR in it is refused
    // and the file left as it was.
    QString message;
    const bool storable = std::none_of(loaded.entries.cbegin(), loaded.entries.cend(),
                                       [](const PersonListEntry& e) { return e.Path.contains(u'\r'); });
    const FavouritesWrite written = writeFavourites(file, loaded.entries, FileWriter::standard(), &message);
    FUZZ_CHECK(written == (storable ? FavouritesWrite::Done : FavouritesWrite::PathNotStorable), message.toUtf8());
    const FavouritesLoad again = loadFavourites(file, listed, initialMessages(), folders);
    FUZZ_CHECK(again.entries == loaded.entries, parts[0]);

    // A saved list chooses each listed person at most once; its paths saved as a list read back.
    const Lines list = splitLines(parts[1]);
    const QList<int> chosen = chooseFromList(list, listed + loaded.entries, folders);
    FUZZ_CHECK(chosen.size() <= list.size(), parts[1]);
    for (qsizetype i = 0; i < chosen.size(); ++i)
        FUZZ_CHECK(chosen.indexOf(chosen[i]) == i, parts[1]);
    QStringList paths;
    for (const PersonListEntry& entry : loaded.entries)
        paths.append(entry.Path);
    const std::optional<QByteArray> content = listFileContent(paths, &message);
    FUZZ_CHECK(content.has_value() == storable, message.toUtf8());
    if (content) {
        const Lines saved = splitLines(*content);
        FUZZ_CHECK(saved.size() == paths.size(), *content);
        for (qsizetype i = 0; i < saved.size(); ++i)
            FUZZ_CHECK(cp1250::toUnicode(saved[i]) == paths[i], *content);
    }

    // The addresses of the list, one mail to all and one to each.
    checkMailto(bulkMailUrl(list), list);
    return 0;
}
