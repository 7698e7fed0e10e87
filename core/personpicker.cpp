#include "personpicker.h"

#include "codec1250.h"
#include "filelisting.h"
#include "personkeys.h"
#include "settings.h"
#include "taggedline.h"

#include <QFileInfo>

namespace {

constexpr int kItemDigits = 10;

bool isName(const QByteArray& name)
{
    return !name.isEmpty() && name != "0";
}

// Calls `visit(path, lines)` for each readable person file with a cursor on its stored bytes; one
// buffer serves every file.
template <typename Visit> void forEachPersonFile(const QStringList& folders, const TextReader& reader, Visit visit)
{
    QByteArray stored;
    for (const QString& folder : folders) {
        for (const QString& name : listFiles(folder, QStringLiteral("*.wps"))) {
            const QString path = folder + name;
            if (reader.readInto(path, stored))
                visit(path, LineCursor(stored));
        }
    }
}

} // namespace

QString pickerItem(int index)
{
    return QStringLiteral("%1").arg(index, kItemDigits, 10, QLatin1Char('0'));
}

QList<PersonListEntry> scanPrintEntries(const QStringList& folders, const TextReader& reader)
{
    QList<PersonListEntry> entries;
    forEachPersonFile(folders, reader, [&](const QString& path, LineCursor lines) {
        QByteArrayView first;
        lines.next(first);
        // Line 1 is asked for the name directly: a file that begins with another line is left out.
        const QByteArray name = ExtractField(first.toByteArray(), personkey::nazwisko);
        if (isName(name))
            entries.append({path, name, QByteArray()});
    });
    return entries;
}

QList<PersonListEntry> scanMailEntries(const QStringList& folders, const TextReader& reader)
{
    QList<PersonListEntry> entries;
    forEachPersonFile(folders, reader, [&](const QString& path, LineCursor lines) {
        QByteArray name;
        QByteArray mail;
        for (QByteArrayView line; lines.next(line);) {
            const TaggedFields fields(line);
            if (fields.key() == personkey::mail) {
                mail = fields.value().toByteArray();
                break;
            }
            if (fields.key() == personkey::nazwisko)
                name = fields.value().toByteArray();
        }
        if (isName(name) && !mail.isEmpty())
            entries.append({path, name, mail});
    });
    return entries;
}

bool inAnyGroup(const Lines& personFile, const QList<QByteArray>& groups)
{
    for (const QByteArray& line : personFile) {
        if (ExtractField(line, QByteArray()) == personkey::grupa &&
            groups.contains(ExtractField(line, personkey::grupa)))
            return true;
    }
    return false;
}

QString listFolder(const DatabaseSettings& settings, const QString& programDir)
{
    if (settings.UseDefaultBase || settings.SecondBasePath.isEmpty())
        return defaultBaseIn(programDir);
    return settings.SecondBasePath;
}

QString firstFreeListName(const QString& folder)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("lista%1.lst").arg(n);
        if (!QFileInfo::exists(folder + name))
            return name;
    }
}

std::optional<QByteArray> listFileContent(const QStringList& paths, QString* refused)
{
    Lines lines;
    for (const QString& path : paths) {
        const std::optional<QByteArray> stored = cp1250::fromUnicode(path);
        // A path with a line break or Ctrl-Z would read back as lines that name no person.
        if (!stored || *stored != oneLine(*stored)) {
            if (refused)
                *refused = path;
            return std::nullopt;
        }
        lines.append(*stored);
    }
    return joinLines(lines);
}

QList<int> chooseFromList(const Lines& listFile, const QList<PersonListEntry>& entries,
                          const StoredPathFolders& folders)
{
    QList<bool> chosen(entries.size(), false);
    QList<int> order;
    LocalPersonPaths localPath(folders);
    for (const QByteArray& line : listFile) {
        if (line.isEmpty())
            continue;
        const QString part = localPath(cp1250::toUnicode(line));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!chosen[i] && entries[i].Path.contains(part, Qt::CaseSensitive)) {
                chosen[i] = true;
                order.append(int(i));
                break;
            }
        }
    }
    return order;
}
