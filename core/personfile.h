#pragma once

#include "textlines.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class FolderListing;
class FileRemover;
class FileWriter;
class RandomSource;

// The kind of an entry is the last letter of its file name, compared without regard to case.
enum class EntryKind {
    Person, // .wps
    OneOff, // .wpj, a one-off reminder, deleted once its date has passed
    Binned, // .wpb, a person in the bin
    Other,
};

EntryKind kindOfFileName(const QString& fileName);

// An entry file of a folder listing: its name as stored and its kind.
struct StoredEntryFile {
    QByteArray name;
    EntryKind kind;
};

// The entry files ("*.wp?" names) of a folder listing whose kind `accepts` takes, in the order
// listFiles gives their names, told apart on the stored names without decoding them. A name that is
// not UTF-8 names no file a text path can reach, so it is left out, as reading it always failed.
std::vector<StoredEntryFile> entryFilesIn(const FolderListing& listing, const std::function<bool(EntryKind)>& accepts);

// The entry-type words of the editor and the extension each is saved under.
inline constexpr char kEntryTypePerson[] = "osoba";
inline constexpr char kEntryTypeOneOff[] = "jednorazowka";

// The date values of a person file are read by character position, 1-based: day 1-2, month 4-5,
// year 7-10 (digits or "????"), and for an occasion the description from 12. A value shorter than a
// position gives what stands there, possibly nothing.
struct DateParts {
    QByteArray day;
    QByteArray month;
    QByteArray year;
    QByteArray description;
};

DateParts splitDate(const QByteArray& value);

// Everything a person file holds, by key. Single values are empty when the file has no line for
// them; `imieniny` and `urodziny` are switched on by the presence of their line.
struct PersonRecord {
    QByteArray nazwisko;
    QByteArray ulica;
    QByteArray nr_domu;
    QByteArray nr_mieszkania;
    QByteArray kod_pocztowy;
    QByteArray poczta;
    QByteArray miejscowosc;
    QByteArray wojewodztwo;
    QList<QByteArray> telefony;
    QByteArray NIP;
    QByteArray regon;
    QByteArray zdjecie;
    std::optional<QByteArray> imieniny;
    std::optional<QByteArray> urodziny;
    QList<QByteArray> impreza;
    QList<QByteArray> mail;
    QList<QByteArray> notatka;
    QList<QByteArray> grupa;
    // The lines this program does not handle (other keys, written by hand, by another tool or a later
    // version, and lines without markers), in file order; empty lines are not kept.
    Lines otherLines;

    // Reads lines in any order: a later line of a single-valued key replaces an earlier one, list
    // keys add up in file order, lines of other keys are kept aside in otherLines.
    static PersonRecord parse(const Lines& lines);

    // The two line orders the program writes. A new entry also writes the phone still standing in
    // the editor's phone field (`pendingPhone`, when not empty) right after the address. An edited
    // entry keeps its other lines after the known ones, so an edit never loses them, and writes a
    // value that `stored` (the file as read before the edit) holds under the same key as stored,
    // byte for byte: a lone CR in it stays. Any other value is made one line (oneLine).
    Lines newEntryLines(const QByteArray& pendingPhone) const;
    Lines editedEntryLines(const PersonRecord* stored = nullptr) const;

    bool operator==(const PersonRecord&) const = default;
};

// The photo of a person file: its base name (the name without extension) and ".bmp".
QString photoFileName(const QString& personFileName);

// Whether a file name ends in ".wps", ".wpj" or ".wpb", in any case: the entry files.
bool isEntryFileName(const QString& fileName);
// The same for a name as stored, decoded only when it is not plain ASCII.
bool isEntryFileName(QByteArrayView storedName);

// The base name of an entry file: the name without its extension ("1-2-3" of "1-2-3.wps").
QString baseNameOf(const QString& fileName);

// The files of `folder` whose base name is `base`, compared letter for letter without regard to case;
// never as a pattern, so "*" and "?" are only letters of a name here. Sorted by name.
QStringList filesOfBase(const QString& folder, const QString& base);

// The files of one folder by their base names, from one listing: what filesOfBase tells, for many
// entries of one folder (the checker deleting many passed reminders) without listing the folder
// again for each. Files deleted since the listing are forgotten one by one.
class FolderFilesByBase {
public:
    explicit FolderFilesByBase(QString folder);

    const QString& folder() const { return m_folder; }
    QStringList filesOfBase(const QString& base) const;
    // A file of the folder that was deleted.
    void forget(const QString& name);

private:
    QString m_folder;
    // By the base name folded as the comparison without regard to case folds it.
    QHash<QString, QStringList> m_byBase;
};

// The file of `folder` named `name`: that name when such a file exists, else the first file of the
// folder whose name equals it letter for letter without regard to case (files copied from another
// system may be "A.BMP" for "a.bmp"); empty when there is none. Never a pattern.
QString fileNamedIn(const QString& folder, const QString& name);
QString fileNamedIn(const FolderFilesByBase& files, const QString& name);

// The file beside a person file with the same base name and another extension (".bmp", ".wpb"...),
// in whatever case it exists (files copied from another system may have ".BMP"); the name with the
// extension as given when none exists.
QString siblingPath(const QString& personFilePath, const QString& extension);
QString siblingPath(const FolderFilesByBase& files, const QString& personFileName, const QString& extension);
// Finds the photo of a person file in its folder whatever the case of ".bmp" (files copied from
// another system may have ".BMP"); the exact-case name when none exists.
QString photoPathFor(const QString& personFilePath);

// The photo of a base is shared by every entry file of that base (a person beside its bin entry or a
// one-off reminder of the same numbers): it may be deleted only when no entry file (".wps", ".wpj",
// ".wpb", in any case) of `base` is left in `folder`.
bool photoMayBeDeleted(const QString& folder, const QString& base);
bool photoMayBeDeleted(const FolderFilesByBase& files, const QString& base);
// Deletes the photo of the entry file at `entryPath`, once that file is gone, unless another entry
// file of its base still uses it. Call it after deleting the entry: when that failed, the photo stays.
void deletePhotoIfUnused(const QString& entryPath, const FileRemover& remover);
// The same with the folder's files as listed before, the deleted entry file already forgotten.
void deletePhotoIfUnused(const QString& entryFileName, FolderFilesByBase& files, const FileRemover& remover);

// Claims a new, empty entry file in `folder` (ending in "/") for the entry type ("osoba" or
// "jednorazowka"; any other word means "osoba"): the base name is three random numbers 0..9999
// joined by "-", drawn again while any file of that base exists in the folder (the photo is named
// by the base alone, so a reminder must not share a base with a person). The base is claimed, not
// only the file name: the file is created exclusively, and when another file of its base turned up
// meanwhile (another running program claiming the same base for the other kind) it is removed again
// and a new base drawn. Returns the file name, or nothing with `error` set when the folder cannot
// take a new file.
std::optional<QString> claimNewEntryFile(const QString& folder, const QByteArray& entryType, RandomSource& random,
                                         const FileWriter& writer, const FileRemover& remover, QString* error);
