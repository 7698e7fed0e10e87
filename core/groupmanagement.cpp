#include "groupmanagement.h"

#include "datafolders.h"
#include "filelisting.h"
#include "filewriter.h"
#include "personfile.h"
#include "personkeys.h"
#include "taggedline.h"

#include <optional>

namespace {

constexpr char kMarked[] = "v    ";
constexpr char kUnmarked[] = "     ";

bool holdsGroup(QByteArrayView line, const QByteArray& name)
{
    const TaggedFields fields(line);
    if (fields.key() != personkey::grupa)
        return false;
    const QByteArrayView value = fields.value();
    return value == name || (value.startsWith('&') && value.sliced(1) == name);
}

bool holdsGroupIn(QByteArrayView stored, const QByteArray& name)
{
    LineCursor lines(stored);
    for (QByteArrayView line; lines.next(line);) {
        if (holdsGroup(line, name))
            return true;
    }
    return false;
}

// Without a new name the group's lines are dropped. A person file is written anew only when it
// held the group; the others are only looked through in place. Every file is replaced at once
// through the writer, so no copy of it is needed while it is rewritten.
GroupRewrite rewriteGroup(const QStringList& folders, const QByteArray& name, const std::optional<QByteArray>& newName,
                          const TextReader& reader, const FileWriter& writer)
{
    GroupRewrite result;
    QByteArray stored;
    for (const QString& folder : folders) {
        for (const QString& fileName : listFiles(folder, QStringLiteral("*.wps"))) {
            const QString path = folder + fileName;
            if (!reader.readInto(path, stored) || !holdsGroupIn(stored, name))
                continue;
            if (isLinkLeadingOut(path, folders)) {
                result.left.append(path);
                continue;
            }
            LineRewrite rewritten(stored);
            LineCursor lines(stored);
            for (QByteArrayView line; lines.next(line);) {
                if (!holdsGroup(line, name))
                    rewritten.keep(line, lines.end());
                else if (newName)
                    rewritten.add(taggedLine(personkey::grupa, *newName));
            }
            QString error;
            if (writer.writeAtomically(path, rewritten.bytes(), &error))
                result.rewritten.append(path);
            else
                result.errors.append(error);
        }
    }
    return result;
}

} // namespace

QByteArray groupListItem(const MarkedGroup& group)
{
    return (group.marked ? kMarked : kUnmarked) + group.name;
}

bool isPseudoGroup(const QByteArray& name, const QByteArray& pseudo)
{
    return name == pseudo || name == '&' + pseudo;
}

bool isProtectedGroup(const QByteArray& name, const MessageTable& messages)
{
    return isPseudoGroup(name, messages[kMsgAll]) || isPseudoGroup(name, messages[kMsgOneOffs]);
}

void toggleGroupMark(MarkedGroup& group, const MessageTable& messages)
{
    if (isPseudoGroup(group.name, messages[kMsgOneOffs]) || isPseudoGroup(group.name, messages[kMsgBin]))
        return;
    if (isPseudoGroup(group.name, messages[kMsgAll])) {
        group = {messages[kMsgAll], true};
        return;
    }
    group.marked = !group.marked;
}

void GroupPick::clicked(int row, bool markedBefore)
{
    if (row == m_row) {
        m_markBefore.reset();
        return;
    }
    m_row = row;
    m_markBefore = markedBefore;
}

void GroupPick::clear()
{
    m_row = -1;
    m_markBefore.reset();
}

std::optional<bool> GroupPick::markBeforePick(int row) const
{
    return row == m_row ? m_markBefore : std::nullopt;
}

QList<GroupMenuItem> editorGroupMenu(const QList<MarkedGroup>& groups, const QByteArray& entryType,
                                     const MessageTable& messages)
{
    QList<GroupMenuItem> menu = {
        {messages[kMsgOneOffs], entryType == kEntryTypeOneOff, false, false},
        {messages[kMsgBin], false, false, false},
        {"-", false, true, false},
        {messages[kMsgAll], true, false, true},
    };
    for (const MarkedGroup& group : groups) {
        if (isPseudoGroup(group.name, messages[kMsgAll]))
            menu.append({group.name, true, false, true});
        else
            menu.append({group.name, group.marked, true, true});
    }
    return menu;
}

GroupRewrite RemoveGroupFromFiles(const QStringList& folders, const QByteArray& name, const TextReader& reader,
                                  const FileWriter& writer)
{
    return rewriteGroup(folders, name, std::nullopt, reader, writer);
}

GroupRewrite RenameGroupInFiles(const QStringList& folders, const QByteArray& oldName, const QByteArray& newName,
                                const TextReader& reader, const FileWriter& writer)
{
    return rewriteGroup(folders, oldName, newName, reader, writer);
}
