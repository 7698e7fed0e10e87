#pragma once

#include "colorscheme.h"
#include "messages.h"
#include "personfile.h"
#include "textreader.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct DatabaseSettings;
class FolderListing;

// One listed entry: the person list, the favourites, the search hits and the pickers hold these.
struct PersonListEntry {
    QString Path;    // the data folder as configured and the file name as found
    QByteArray Name; // the name shown
    QByteArray Mail; // used by the bulk e-mail picker only; empty elsewhere

    bool operator==(const PersonListEntry&) const = default;
};

// The data folders in use, each ending in "/": the default folder first, then the second one.
QStringList dataFolders(const DatabaseSettings& settings, const QString& programDir);

// The group filter menu, the one source of group names: 0 one-off reminders, 1 the bin,
// 2 a separator, 3 everything, 4 and on the groups found in the person files in the order first
// met. The window shows these items with their check marks; the listings read them.
class GroupFilterMenu {
public:
    enum Index { OneOffs = 0, Bin = 1, Separator = 2, All = 3, FirstGroup = 4 };
    struct Item {
        QByteArray caption;
        bool checked = false;
        bool operator==(const Item&) const = default;
    };

    explicit GroupFilterMenu(const MessageTable& messages = initialMessages());

    const QList<Item>& items() const { return m_items; }
    // The group names, items 4 and on.
    QList<QByteArray> groups() const;

    void setChecked(int index, bool checked);

    // Back to the four fixed items with "everything" checked; group items are dropped.
    void rebuild(const MessageTable& messages);
    // The captions of the fixed items after a language switch; check marks stay.
    void setCaptions(const MessageTable& messages);

    // Back to the fixed items with "everything" checked, then the groups in their order.
    void setGroups(const QList<QByteArray>& groups, const MessageTable& messages);
    // Adds a group found in a person file unless an item already has that caption (or "&" and it),
    // or the name is "Wszystko" or the current text of message 1.
    void addGroup(QByteArrayView name, QByteArrayView allText);

    // Whether a group name belongs to a checked item: its caption is the name or "&" and the name.
    bool isChecked(const QByteArray& group) const;
    // The same for many names: every name that belongs to a checked item.
    QSet<QByteArray> checkedNames() const;
    bool showsAll() const { return m_items[All].checked; }
    bool showsOneOffs() const { return m_items[OneOffs].checked; }
    bool showsBin() const { return m_items[Bin].checked; }

private:
    // The names an item's caption stands for: the caption, and without its "&" when it has one.
    static void addNamesOf(const QByteArray& caption, QSet<QByteArray>& names);
    void collectTakenNames();

    QList<Item> m_items;
    // Every name some item stands for, so a group met in thousands of files is looked up at once.
    QSet<QByteArray> m_taken;
};

// The person list a window shows and the group filter it follows, as other windows change them:
// the search shows its hits there, the group dialog the groups left after a rename or a deletion.
class PersonListOwner {
public:
    virtual const GroupFilterMenu& GroupMenu() const = 0;
    virtual void ShowSearchHits(QList<PersonListEntry> hits) = 0;
    virtual void ShowGroups(const QList<QByteArray>& groups) = 0;

protected:
    ~PersonListOwner() = default;
};

// Builds the person list from the data folders. Every listing reads the files again: there is no
// cache. Files that cannot be read are skipped without a message.
class PersonListing {
public:
    explicit PersonListing(QStringList folders, const TextReader& reader = TextReader::standard());

    // Told of each folder a listing went through, while the folder is still held open: its "*.wp?"
    // files (in the order entryFilesIn gives) that the listing did not find holding bytes: of a kind
    // it does not list, unreadable, or empty. The start looks among them for what a killed save left,
    // without a second pass over the folder.
    using ListedFolderVisit = std::function<void(const QString& folder, const FolderListing& listing,
                                                 const std::vector<QByteArray>& entryFilesWithoutBytes)>;

    // All entries of the kinds the menu checks. With `firstListing` the menu is rebuilt first (so
    // only persons are listed) and every group name of the listed kinds' files is added to it, also
    // from files that are not listed because their line 1 is empty. A file whose line 1 is not its
    // name line is listed as "???". `afterFolder`, when set, is told of each folder.
    QList<PersonListEntry> RefreshPersonList(GroupFilterMenu& menu, bool firstListing, const MessageTable& messages,
                                             const ListedFolderVisit& afterFolder = {}) const;

    // The entries of the checked groups: one-off reminders and binned persons when their items are
    // checked, persons when one of their groups is. The name is read from line 1 without testing its
    // key, so a line 1 of another key gives "0" (or whatever the key text leaves of the line).
    QList<PersonListEntry> ListPersonsByGroup(const GroupFilterMenu& menu) const;

    // The listing the group filter shows after a click on one of its items.
    QList<PersonListEntry> filtered(const GroupFilterMenu& menu) const;

    // Ascending by name in the Polish case-insensitive collation; equal names keep their order.
    static void sortByName(QList<PersonListEntry>& entries);

    // The kinds a listing takes: persons always, one-off reminders and binned persons when asked
    // for. Other files the mask lets through (".wpx") are never listed.
    struct KindFilter {
        bool oneOffs = false;
        bool binned = false;

        bool accepts(EntryKind kind) const
        {
            return kind == EntryKind::Person || (kind == EntryKind::OneOff && oneOffs) ||
                   (kind == EntryKind::Binned && binned);
        }
    };
    struct EntryFile {
        QString path; // the folder and the file name as found
        EntryKind kind;
    };
    // The files of the accepted kinds, default folder first, each folder in listing order.
    static QList<EntryFile> entryFiles(const QStringList& folders, const KindFilter& kinds);

private:
    // The entries of the given kinds, unsorted; with `groupScan`, every group name met is added to it.
    QList<PersonListEntry> listKinds(const KindFilter& kinds, GroupFilterMenu* groupScan, const QByteArray& allText,
                                     const ListedFolderVisit& afterFolder) const;

    QStringList m_folders;
    const TextReader* m_reader;
};

// Next (">>") and previous ("<<") in a chooser of `count` items with `selected` selected (-1 for
// none): the index to select and show, or nothing when the button does nothing.
std::optional<int> nextPersonIndex(int selected, int count);
std::optional<int> previousPersonIndex(int selected);

// How the person chooser draws row `index`, whose item is `itemPath`.
struct ChooserRow {
    // The mark drawn before the name, a bitmap of the program's own.
    enum class Mark { None, Person, Binned, OneOff };

    QByteArray name; // the entry's name; empty for an index outside the list
    Mark mark = Mark::None;
    ColourValue background = 0;
    ColourValue text = 0;
};

// Rows without a real name (empty or "???") get no mark; one-off reminders and binned persons are
// written in their own scheme colours.
ChooserRow chooserRow(const QList<PersonListEntry>& list, int index, const QString& itemPath, bool selected,
                      const ColorScheme& scheme);
