#pragma once

#include "messages.h"
#include "textreader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class FileWriter;

// Groups are the "grupa" lines of the person files; there is no group file. These are the rules of
// the group dialog: its list of marked groups, the editor's group menu it rebuilds, and the
// deletion and renaming of a group in every person file.

// One group of the dialog's list: its name as the menu caption has it (possibly with a leading
// "&") and whether the edited entry belongs to it.
struct MarkedGroup {
    QByteArray name;
    bool marked = false;
    bool operator==(const MarkedGroup&) const = default;
};

// The list item shown for a group: a mark of five characters, "v" and four blanks for a group of
// the entry and five blanks for another, then the name.
QByteArray groupListItem(const MarkedGroup& group);

// Whether a name is the pseudo-group whose name is `pseudo`, written as it is or with "&" before.
bool isPseudoGroup(const QByteArray& name, const QByteArray& pseudo);

// "Wszystko" and the one-off reminders can be neither deleted nor renamed.
bool isProtectedGroup(const QByteArray& name, const MessageTable& messages);

// A click on a group of the list: the one-off reminders and the bin stay as they are, "Wszystko"
// is always marked, any other group swaps its mark.
void toggleGroupMark(MarkedGroup& group, const MessageTable& messages);

// The row of the dialog's list that the last click picked. Every click on the list swaps the mark
// of the selected row, also the click that selects it; but a user who picks a group in order to
// rename it does not mean to change the entry's groups. So while the last click is the one that
// picked its row, the rename gives that group back the mark it had before the click. A further
// click on the row already selected swaps the mark on purpose.
class GroupPick {
public:
    // A click that left `row` selected, whose group was marked as `markedBefore` until the click.
    void clicked(int row, bool markedBefore);
    // The rows were changed or made anew: the next click picks whatever row it selects.
    void clear();
    // The mark the group of `row` had before the click that picked it, when that was the last click.
    std::optional<bool> markBeforePick(int row) const;

private:
    int m_row = -1;                   // the row of the last click
    std::optional<bool> m_markBefore; // while the last click picked m_row
};

// One item of the editor's group menu.
struct GroupMenuItem {
    QByteArray caption; // "-" for the separator
    bool checked = false;
    bool enabled = true;
    bool autoCheck = true; // the item checks and unchecks itself when clicked
    bool operator==(const GroupMenuItem&) const = default;
};

inline constexpr int kFirstGroupMenuItem = 4;

// The editor's group menu for the dialog's list: the fixed items (one-off reminders, checked for
// a one-off reminder; the bin; a separator; "Wszystko", checked), then one item per listed group,
// checked when marked. The fixed items and a group named "Wszystko" cannot be clicked; the latter
// is always checked.
QList<GroupMenuItem> editorGroupMenu(const QList<MarkedGroup>& groups, const QByteArray& entryType,
                                     const MessageTable& messages);

// What a deletion or renaming did to the person files.
struct GroupRewrite {
    QStringList rewritten; // the files that held the group, now rewritten
    QStringList errors;    // one text for each file that could not be rewritten; it keeps its content
    QStringList left;      // the files that held the group but are links leading out of the folders
};

// Every person file (".wps") of the folders with a "grupa" line whose value is the name, or "&" and
// the name (exactly, letter case included), is rewritten without those lines, or with the new name
// in them. All other lines stay as they were. One-off reminders and binned persons are left alone;
// files that cannot be read are skipped. Each file is replaced whole through the writer, so a file
// that fails keeps its old content and the others are still done. A file that is a symbolic link
// leading out of the folders is never written through: it is left as it is (an unpacked archive may
// hold such links, and what they point to is not the user's contact book).
GroupRewrite RemoveGroupFromFiles(const QStringList& folders, const QByteArray& name, const TextReader& reader,
                                  const FileWriter& writer);
GroupRewrite RenameGroupInFiles(const QStringList& folders, const QByteArray& oldName, const QByteArray& newName,
                                const TextReader& reader, const FileWriter& writer);
