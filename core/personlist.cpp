#include "personlist.h"

#include "codec1250.h"
#include "collation.h"
#include "filelisting.h"
#include "personfile.h"
#include "personkeys.h"
#include "readahead.h"
#include "settings.h"
#include "taggedline.h"

#include <QCollatorSortKey>
#include <QFile>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr char kAllGroup[] = "Wszystko";
constexpr char kNoName[] = "???";

using KindFilter = PersonListing::KindFilter;

KindFilter kindsOf(const GroupFilterMenu& menu)
{
    return {menu.showsOneOffs(), menu.showsBin()};
}

// Calls `visit(lines, path, kind)` for each file of the accepted kinds that holds bytes, with a cursor
// on its stored bytes, in the order entryFilesIn gives. Each folder is listed once and held open, its
// files opened through it and read ahead. `afterFolder`, when set, is told of each folder while it
// is still held open, with the entry files that were not found holding bytes.
template <typename Visit>
void forEachReadFile(const QStringList& folders, const KindFilter& kinds, const TextReader& reader, Visit visit,
                     const PersonListing::ListedFolderVisit& afterFolder = {})
{
    std::vector<QByteArray> withoutBytes;
    for (const QString& folder : folders) {
        const FolderListing listing(folder);
        // Every kind when `afterFolder` is told, so that the files not read are among those without bytes.
        const auto listed = [&](EntryKind kind) { return afterFolder || kinds.accepts(kind); };
        const std::vector<StoredEntryFile> files = entryFilesIn(listing, listed);
        withoutBytes.clear();
        {
            std::vector<QByteArray> read;
            read.reserve(files.size());
            for (const StoredEntryFile& file : files) {
                if (kinds.accepts(file.kind))
                    read.push_back(file.name);
            }
            FilesReadAhead ahead(listing, folder, std::move(read), reader);
            for (const StoredEntryFile& file : files) {
                if (kinds.accepts(file.kind)) {
                    const FilesReadAhead::File content = ahead.next();
                    if (content.read && !content.bytes.isEmpty()) {
                        visit(LineCursor(content.bytes), content.path, file.kind);
                        continue;
                    }
                }
                if (afterFolder)
                    withoutBytes.push_back(file.name);
            }
        }
        if (afterFolder)
            afterFolder(folder, listing, withoutBytes);
    }
}

QByteArrayView firstLineOf(LineCursor& lines)
{
    QByteArrayView first;
    lines.next(first);
    return first;
}

// Calls `visit(value)` for each "grupa" line the cursor has left.
template <typename Visit> void forEachGroup(LineCursor& lines, Visit visit)
{
    for (QByteArrayView line; lines.next(line);) {
        const TaggedFields fields(line);
        if (fields.key() == personkey::grupa && !visit(fields.value()))
            return;
    }
}

} // namespace

QStringList dataFolders(const DatabaseSettings& settings, const QString& programDir)
{
    QStringList folders;
    if (settings.UseDefaultBase)
        folders.append(defaultBaseIn(programDir));
    if (settings.UseSecondBase)
        folders.append(settings.SecondBasePath);
    return folders;
}

GroupFilterMenu::GroupFilterMenu(const MessageTable& messages)
{
    rebuild(messages);
}

QList<QByteArray> GroupFilterMenu::groups() const
{
    QList<QByteArray> names;
    for (qsizetype i = FirstGroup; i < m_items.size(); ++i)
        names.append(m_items[i].caption);
    return names;
}

void GroupFilterMenu::setChecked(int index, bool checked)
{
    if (index >= 0 && index < m_items.size() && index != Separator)
        m_items[index].checked = checked;
}

void GroupFilterMenu::rebuild(const MessageTable& messages)
{
    m_items = {{messages[kMsgOneOffs], false}, {messages[kMsgBin], false}, {"-", false}, {messages[kMsgAll], true}};
    collectTakenNames();
}

void GroupFilterMenu::setCaptions(const MessageTable& messages)
{
    m_items[All].caption = messages[kMsgAll];
    m_items[OneOffs].caption = messages[kMsgOneOffs];
    m_items[Bin].caption = messages[kMsgBin];
    collectTakenNames();
}

void GroupFilterMenu::addNamesOf(const QByteArray& caption, QSet<QByteArray>& names)
{
    names.insert(caption);
    if (caption.startsWith('&'))
        names.insert(caption.mid(1));
}

void GroupFilterMenu::collectTakenNames()
{
    m_taken.clear();
    for (const Item& item : m_items)
        addNamesOf(item.caption, m_taken);
}

void GroupFilterMenu::setGroups(const QList<QByteArray>& groups, const MessageTable& messages)
{
    rebuild(messages);
    for (const QByteArray& group : groups)
        addGroup(group, messages[kMsgAll]);
}

void GroupFilterMenu::addGroup(QByteArrayView name, QByteArrayView allText)
{
    if (name == kAllGroup || name == allText)
        return;
    // Looked up without a copy; copied only when it is new.
    if (m_taken.contains(QByteArray::fromRawData(name.data(), name.size())))
        return;
    const QByteArray caption = name.toByteArray();
    m_items.append({caption, false});
    addNamesOf(caption, m_taken);
}

bool GroupFilterMenu::isChecked(const QByteArray& group) const
{
    return std::any_of(m_items.begin(), m_items.end(), [&](const Item& item) {
        return item.checked && (item.caption == group || item.caption == '&' + group);
    });
}

QSet<QByteArray> GroupFilterMenu::checkedNames() const
{
    QSet<QByteArray> names;
    for (const Item& item : m_items) {
        if (item.checked)
            addNamesOf(item.caption, names);
    }
    return names;
}

QList<PersonListing::EntryFile> PersonListing::entryFiles(const QStringList& folders, const KindFilter& kinds)
{
    QList<EntryFile> files;
    for (const QString& folder : folders) {
        const FolderListing listing(folder);
        for (const StoredEntryFile& file : entryFilesIn(listing, [&](EntryKind kind) { return kinds.accepts(kind); }))
            files.append({folder + QFile::decodeName(file.name), file.kind});
    }
    return files;
}

PersonListing::PersonListing(QStringList folders, const TextReader& reader)
    : m_folders(std::move(folders))
    , m_reader(&reader)
{}

QList<PersonListEntry> PersonListing::RefreshPersonList(GroupFilterMenu& menu, bool firstListing,
                                                        const MessageTable& messages,
                                                        const ListedFolderVisit& afterFolder) const
{
    if (firstListing)
        menu.rebuild(messages);
    QList<PersonListEntry> list =
        listKinds(kindsOf(menu), firstListing ? &menu : nullptr, messages[kMsgAll], afterFolder);
    sortByName(list);
    return list;
}

QList<PersonListEntry> PersonListing::listKinds(const KindFilter& kinds, GroupFilterMenu* groupScan,
                                                const QByteArray& allText, const ListedFolderVisit& afterFolder) const
{
    QList<PersonListEntry> list;
    const auto take = [&](LineCursor lines, const QString& path, EntryKind) {
        const QByteArrayView first = firstLineOf(lines);
        if (groupScan) {
            forEachGroup(lines, [&](QByteArrayView group) {
                groupScan->addGroup(group, allText);
                return true;
            });
        }
        if (first.isEmpty())
            return;
        const TaggedFields fields(first);
        list.append({path, fields.key() == personkey::nazwisko ? fields.value().toByteArray() : QByteArray(kNoName),
                     QByteArray()});
    };
    forEachReadFile(m_folders, kinds, *m_reader, take, afterFolder);
    return list;
}

QList<PersonListEntry> PersonListing::ListPersonsByGroup(const GroupFilterMenu& menu) const
{
    const QSet<QByteArray> checked = menu.checkedNames();
    QList<PersonListEntry> list;
    forEachReadFile(m_folders, kindsOf(menu), *m_reader, [&](LineCursor lines, const QString& path, EntryKind kind) {
        const QByteArrayView first = firstLineOf(lines);
        if (first.isEmpty())
            return;
        if (kind == EntryKind::Person) {
            bool inCheckedGroup = false;
            forEachGroup(lines, [&](QByteArrayView group) {
                inCheckedGroup = checked.contains(QByteArray::fromRawData(group.data(), group.size()));
                return !inCheckedGroup;
            });
            if (!inCheckedGroup)
                return;
        }
        list.append({path, ExtractField(first.toByteArray(), personkey::nazwisko), QByteArray()});
    });
    sortByName(list);
    return list;
}

QList<PersonListEntry> PersonListing::filtered(const GroupFilterMenu& menu) const
{
    if (!menu.showsAll())
        return ListPersonsByGroup(menu);
    QList<PersonListEntry> list = listKinds(kindsOf(menu), nullptr, QByteArray(), {});
    sortByName(list);
    return list;
}

void PersonListing::sortByName(QList<PersonListEntry>& entries)
{
    // One sort key per name instead of a collation per comparison: the first listing sorts every
    // person of both folders.
    const QCollator& collator = polishCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries.size());
    for (const PersonListEntry& e : entries)
        keys.push_back(collator.sortKey(cp1250::toUnicode(e.Name)));
    std::vector<qsizetype> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });
    QList<PersonListEntry> sorted;
    sorted.reserve(entries.size());
    for (const qsizetype i : order)
        sorted.append(std::move(entries[i]));
    entries = std::move(sorted);
}

std::optional<int> nextPersonIndex(int selected, int count)
{
    if (selected + 1 < count)
        return selected + 1;
    return std::nullopt;
}

std::optional<int> previousPersonIndex(int selected)
{
    if (selected > 0)
        return selected - 1;
    return std::nullopt;
}

ChooserRow chooserRow(const QList<PersonListEntry>& list, int index, const QString& itemPath, bool selected,
                      const ColorScheme& scheme)
{
    ChooserRow row;
    if (index >= 0 && index < list.size())
        row.name = list[index].Name;
    row.background = selected ? scheme.ComboBox_podswietlenie : scheme.ComboBox_tlo;
    row.text = scheme.ComboBox_tekst1;
    if (row.name.isEmpty() || row.name == kNoName)
        return row;
    switch (kindOfFileName(itemPath)) {
    case EntryKind::Person:
        row.mark = ChooserRow::Mark::Person;
        break;
    case EntryKind::Binned:
        row.mark = ChooserRow::Mark::Binned;
        row.text = scheme.ComboBox_tekst3;
        break;
    case EntryKind::OneOff:
        row.mark = ChooserRow::Mark::OneOff;
        row.text = scheme.ComboBox_tekst2;
        break;
    case EntryKind::Other:
        break;
    }
    return row;
}
