#include "personlist.h"

#include "codec1250.h"
#include "collation.h"
#include "filelisting.h"
#include "personfile.h"
#include "settings.h"
#include "taggedline.h"

#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr char kNameKey[] = "nazwisko";
constexpr char kGroupKey[] = "grupa";
constexpr char kAllGroup[] = "Wszystko";
constexpr char kNoName[] = "???";

using KindFilter = PersonListing::KindFilter;

KindFilter kindsOf(const GroupFilterMenu& menu)
{
    return {menu.showsOneOffs(), menu.showsBin()};
}

// Calls `visit(path, kind)` for each file of the accepted kinds.
template <typename Visit> void forEachFile(const QStringList& folders, const KindFilter& kinds, Visit visit)
{
    for (const PersonListing::EntryFile& file : PersonListing::entryFiles(folders, kinds))
        visit(file.path, file.kind);
}

// The groups of a file are read from the lines after the first, which is the name's line.
QList<QByteArray> groupsOf(const Lines& lines)
{
    QList<QByteArray> groups;
    for (const QByteArray& line : lines.mid(1)) {
        if (ExtractField(line, QByteArray()) == kGroupKey)
            groups.append(ExtractField(line, kGroupKey));
    }
    return groups;
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
}

void GroupFilterMenu::setCaptions(const MessageTable& messages)
{
    m_items[All].caption = messages[kMsgAll];
    m_items[OneOffs].caption = messages[kMsgOneOffs];
    m_items[Bin].caption = messages[kMsgBin];
}

void GroupFilterMenu::addGroup(const QByteArray& name, const QByteArray& allText)
{
    if (name == kAllGroup || name == allText)
        return;
    for (const Item& item : m_items) {
        if (item.caption == name || item.caption == '&' + name)
            return;
    }
    m_items.append({name, false});
}

bool GroupFilterMenu::isChecked(const QByteArray& group) const
{
    return std::any_of(m_items.begin(), m_items.end(), [&](const Item& item) {
        return item.checked && (item.caption == group || item.caption == '&' + group);
    });
}

QList<PersonListing::EntryFile> PersonListing::entryFiles(const QStringList& folders, const KindFilter& kinds)
{
    QList<EntryFile> files;
    for (const QString& folder : folders) {
        for (const QString& name : listFiles(folder, kinds.mask())) {
            const EntryKind kind = kindOfFileName(name);
            if (kinds.accepts(kind))
                files.append({folder + name, kind});
        }
    }
    return files;
}

PersonListing::PersonListing(QStringList folders, const TextReader& reader)
    : m_folders(std::move(folders))
    , m_reader(&reader)
{}

QList<PersonListEntry> PersonListing::RefreshPersonList(GroupFilterMenu& menu, bool firstListing,
                                                        const MessageTable& messages) const
{
    if (firstListing)
        menu.rebuild(messages);
    QList<PersonListEntry> list = listKinds(kindsOf(menu), firstListing ? &menu : nullptr, messages[kMsgAll]);
    sortByName(list);
    return list;
}

QList<PersonListEntry> PersonListing::listKinds(const KindFilter& kinds, GroupFilterMenu* groupScan,
                                                const QByteArray& allText) const
{
    QList<PersonListEntry> list;
    forEachFile(m_folders, kinds, [&](const QString& path, EntryKind) {
        QByteArray first;
        if (groupScan) {
            const auto lines = m_reader->readLines(path);
            if (!lines)
                return;
            first = lines->value(0);
            for (const QByteArray& group : groupsOf(*lines))
                groupScan->addGroup(group, allText);
        } else {
            const auto line = m_reader->readFirstLine(path);
            if (!line)
                return;
            first = *line;
        }
        if (first.isEmpty())
            return;
        const bool named = ExtractField(first, QByteArray()) == kNameKey;
        list.append({path, named ? ExtractField(first, kNameKey) : QByteArray(kNoName), QByteArray()});
    });
    return list;
}

QList<PersonListEntry> PersonListing::ListPersonsByGroup(const GroupFilterMenu& menu) const
{
    QList<PersonListEntry> list;
    forEachFile(m_folders, kindsOf(menu), [&](const QString& path, EntryKind kind) {
        const auto lines = m_reader->readLines(path);
        if (!lines || lines->value(0).isEmpty())
            return;
        if (kind == EntryKind::Person) {
            const QList<QByteArray> groups = groupsOf(*lines);
            if (std::none_of(groups.begin(), groups.end(), [&](const QByteArray& g) { return menu.isChecked(g); }))
                return;
        }
        list.append({path, ExtractField(lines->first(), kNameKey), QByteArray()});
    });
    sortByName(list);
    return list;
}

QList<PersonListEntry> PersonListing::filtered(const GroupFilterMenu& menu) const
{
    if (!menu.showsAll())
        return ListPersonsByGroup(menu);
    QList<PersonListEntry> list = listKinds(kindsOf(menu), nullptr, QByteArray());
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
