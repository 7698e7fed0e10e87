#include "personfile.h"

#include "filelisting.h"
#include "fileremover.h"
#include "filewriter.h"
#include "personkeys.h"
#include "randomsource.h"
#include "taggedline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

EntryKind kindOfFileName(const QString& fileName)
{
    if (fileName.isEmpty())
        return EntryKind::Other;
    switch (fileName.back().toLower().unicode()) {
    case u's':
        return EntryKind::Person;
    case u'j':
        return EntryKind::OneOff;
    case u'b':
        return EntryKind::Binned;
    default:
        return EntryKind::Other;
    }
}

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isAscii(QByteArrayView name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return uchar(c) < 0x80; });
}

// The "*.wp?" rule and the kind letter on a stored name; a name with other than ASCII characters
// is decoded and judged as text.
std::optional<EntryKind> entryKindOfStored(QByteArrayView name)
{
    if (!isAscii(name)) {
        if (!decodesExactly(name))
            return std::nullopt;
        const QString text = QFile::decodeName(name.toByteArray());
        if (!matchesMask(text, QStringLiteral("*.wp?")))
            return std::nullopt;
        return kindOfFileName(text);
    }
    const qsizetype n = name.size();
    if (n < 4 || name[n - 4] != '.' || asciiLower(name[n - 3]) != 'w' || asciiLower(name[n - 2]) != 'p')
        return std::nullopt;
    switch (asciiLower(name[n - 1])) {
    case 's':
        return EntryKind::Person;
    case 'j':
        return EntryKind::OneOff;
    case 'b':
        return EntryKind::Binned;
    default:
        return EntryKind::Other;
    }
}

} // namespace

std::vector<StoredEntryFile> entryFilesIn(const FolderListing& listing, const std::function<bool(EntryKind)>& accepts)
{
    std::vector<StoredEntryFile> files;
    files.reserve(listing.names().size());
    for (const QByteArray& name : listing.names()) {
        const std::optional<EntryKind> kind = entryKindOfStored(name);
        if (kind && accepts(*kind))
            files.push_back({name, *kind});
    }
    std::sort(files.begin(), files.end(),
              [](const StoredEntryFile& a, const StoredEntryFile& b) { return precedesAsText(a.name, b.name); });
    return files;
}

DateParts splitDate(const QByteArray& value)
{
    return {value.mid(0, 2), value.mid(3, 2), value.mid(6, 4), value.mid(11)};
}

namespace {

// Where each key's value goes when a file is read.
using Single = QByteArray PersonRecord::*;
using Switch = std::optional<QByteArray> PersonRecord::*;
using Multi = QList<QByteArray> PersonRecord::*;

struct KeyTarget {
    const char* key;
    Single single = nullptr;
    Switch onOff = nullptr;
    Multi list = nullptr;
};

const KeyTarget kTargets[] = {
    {personkey::nazwisko, &PersonRecord::nazwisko},
    {personkey::ulica, &PersonRecord::ulica},
    {personkey::nr_domu, &PersonRecord::nr_domu},
    {personkey::nr_mieszkania, &PersonRecord::nr_mieszkania},
    {personkey::kod_pocztowy, &PersonRecord::kod_pocztowy},
    {personkey::poczta, &PersonRecord::poczta},
    {personkey::miejscowosc, &PersonRecord::miejscowosc},
    {personkey::wojewodztwo, &PersonRecord::wojewodztwo},
    {personkey::telefony, nullptr, nullptr, &PersonRecord::telefony},
    {personkey::NIP, &PersonRecord::NIP},
    {personkey::regon, &PersonRecord::regon},
    {personkey::zdjecie, &PersonRecord::zdjecie},
    {personkey::imieniny, nullptr, &PersonRecord::imieniny},
    {personkey::urodziny, nullptr, &PersonRecord::urodziny},
    {personkey::impreza, nullptr, nullptr, &PersonRecord::impreza},
    {personkey::mail, nullptr, nullptr, &PersonRecord::mail},
    {personkey::notatka, nullptr, nullptr, &PersonRecord::notatka},
    {personkey::grupa, nullptr, nullptr, &PersonRecord::grupa},
};

// Builds the lines of a record. A value that the stored file already holds under the same key (the
// file as read before an edit) is written as stored, so a lone CR another tool wrote into it stays;
// any other value is made one line.
class LineBuilder {
public:
    explicit LineBuilder(const PersonRecord* stored)
        : m_stored(stored)
    {}

    void add(const char* key, const QByteArray& value)
    {
        m_out.append(isStored(key, value) ? QByteArray(kOpenMarker) + key + kCloseMarker + value
                                          : taggedLine(key, value));
    }
    // The lines of the keys written only when their value is not empty.
    void addIfSet(const PersonRecord& r, std::initializer_list<std::pair<const char*, Single>> keys)
    {
        for (const auto& [key, field] : keys) {
            if (!(r.*field).isEmpty())
                add(key, r.*field);
        }
    }
    void addEach(const char* key, const QList<QByteArray>& values)
    {
        for (const QByteArray& value : values)
            add(key, value);
    }
    Lines& lines() { return m_out; }

private:
    bool isStored(const char* key, const QByteArray& value) const
    {
        if (!m_stored)
            return false;
        const auto target = std::find_if(std::begin(kTargets), std::end(kTargets),
                                         [&](const KeyTarget& t) { return qstrcmp(key, t.key) == 0; });
        if (target == std::end(kTargets))
            return false;
        if (target->single)
            return m_stored->*target->single == value;
        if (target->onOff)
            return m_stored->*target->onOff == value;
        return (m_stored->*target->list).contains(value);
    }

    const PersonRecord* m_stored;
    Lines m_out;
};

void addAddress(LineBuilder& out, const PersonRecord& r)
{
    out.addIfSet(r, {{personkey::nazwisko, &PersonRecord::nazwisko},
                     {personkey::ulica, &PersonRecord::ulica},
                     {personkey::nr_domu, &PersonRecord::nr_domu},
                     {personkey::nr_mieszkania, &PersonRecord::nr_mieszkania},
                     {personkey::kod_pocztowy, &PersonRecord::kod_pocztowy},
                     {personkey::poczta, &PersonRecord::poczta},
                     {personkey::miejscowosc, &PersonRecord::miejscowosc}});
}

void addIdentifiersAndDates(LineBuilder& out, const PersonRecord& r)
{
    out.addIfSet(r, {{personkey::NIP, &PersonRecord::NIP},
                     {personkey::regon, &PersonRecord::regon},
                     {personkey::zdjecie, &PersonRecord::zdjecie}});
    if (r.imieniny)
        out.add(personkey::imieniny, *r.imieniny);
    if (r.urodziny)
        out.add(personkey::urodziny, *r.urodziny);
}

void addOccasionsMailsNotes(LineBuilder& out, const PersonRecord& r)
{
    out.addEach(personkey::impreza, r.impreza);
    out.addEach(personkey::mail, r.mail);
    out.addEach(personkey::notatka, r.notatka);
}

} // namespace

PersonRecord PersonRecord::parse(const Lines& lines)
{
    PersonRecord r;
    for (const QByteArray& line : lines) {
        const QByteArray key = ExtractField(line, QByteArray());
        const auto target =
            std::find_if(std::begin(kTargets), std::end(kTargets), [&](const KeyTarget& t) { return key == t.key; });
        if (target == std::end(kTargets)) {
            if (!line.isEmpty())
                r.otherLines.append(line);
            continue;
        }
        const QByteArray value = ExtractField(line, key);
        if (target->single)
            r.*target->single = value;
        else if (target->onOff)
            r.*target->onOff = value;
        else
            (r.*target->list).append(value);
    }
    return r;
}

Lines PersonRecord::newEntryLines(const QByteArray& pendingPhone) const
{
    LineBuilder out(nullptr);
    addAddress(out, *this);
    if (!pendingPhone.isEmpty())
        out.add(personkey::telefony, pendingPhone);
    out.addIfSet(*this, {{personkey::wojewodztwo, &PersonRecord::wojewodztwo}});
    addIdentifiersAndDates(out, *this);
    out.addEach(personkey::telefony, telefony);
    addOccasionsMailsNotes(out, *this);
    out.addEach(personkey::grupa, grupa);
    return out.lines();
}

Lines PersonRecord::editedEntryLines(const PersonRecord* stored) const
{
    LineBuilder out(stored);
    addAddress(out, *this);
    out.addEach(personkey::telefony, telefony);
    out.addIfSet(*this, {{personkey::wojewodztwo, &PersonRecord::wojewodztwo}});
    out.addEach(personkey::grupa, grupa);
    addIdentifiersAndDates(out, *this);
    addOccasionsMailsNotes(out, *this);
    out.lines().append(otherLines);
    return out.lines();
}

namespace {

QString withExtension(const QString& fileName, const QString& extension)
{
    return baseNameOf(fileName) + extension;
}

} // namespace

QString photoFileName(const QString& personFileName)
{
    return withExtension(personFileName, QStringLiteral(".bmp"));
}

QString baseNameOf(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

namespace {

// The base name as QString::compare folds it without regard to case: letter by letter.
QString foldedBase(const QString& base)
{
    QString folded;
    folded.reserve(base.size());
    for (qsizetype i = 0; i < base.size(); ++i) {
        char32_t letter = base[i].unicode();
        if (base[i].isHighSurrogate() && i + 1 < base.size() && base[i + 1].isLowSurrogate()) {
            letter = QChar::surrogateToUcs4(base[i], base[i + 1]);
            ++i;
        }
        letter = QChar::toCaseFolded(letter);
        if (QChar::requiresSurrogates(letter))
            folded.append(QChar(QChar::highSurrogate(letter))).append(QChar(QChar::lowSurrogate(letter)));
        else
            folded.append(QChar(letter));
    }
    return folded;
}

} // namespace

FolderFilesByBase::FolderFilesByBase(QString folder)
    : m_folder(std::move(folder))
{
    // Listed without a name filter: a name filter is a pattern.
    const QStringList all =
        QDir(m_folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : all)
        m_byBase[foldedBase(baseNameOf(name))].append(name);
}

QStringList FolderFilesByBase::filesOfBase(const QString& base) const
{
    QStringList found = m_byBase.value(foldedBase(base));
    found.removeIf([&](const QString& name) { return baseNameOf(name).compare(base, Qt::CaseInsensitive) != 0; });
    return found;
}

void FolderFilesByBase::forget(const QString& name)
{
    const auto it = m_byBase.find(foldedBase(baseNameOf(name)));
    if (it != m_byBase.end())
        it->removeOne(name);
}

QStringList filesOfBase(const QString& folder, const QString& base)
{
    return FolderFilesByBase(folder).filesOfBase(base);
}

QString fileNamedIn(const FolderFilesByBase& files, const QString& name)
{
    const QStringList found = files.filesOfBase(baseNameOf(name));
    const QDir folder(files.folder());
    if (found.contains(name))
        return folder.filePath(name);
    for (const QString& listed : found) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(listed);
    }
    return QString();
}

QString fileNamedIn(const QString& folder, const QString& name)
{
    // The name as written is what most files hold: one look at it spares the listing.
    const QString exact = folder + u'/' + name;
    if (QFileInfo(exact).isFile())
        return exact;
    return fileNamedIn(FolderFilesByBase(folder), name);
}

QString siblingPath(const FolderFilesByBase& files, const QString& personFileName, const QString& extension)
{
    const QString wanted = withExtension(personFileName, extension);
    const QString found = fileNamedIn(files, wanted);
    return found.isEmpty() ? QDir(files.folder()).filePath(wanted) : found;
}

QString siblingPath(const QString& personFilePath, const QString& extension)
{
    const QFileInfo info(personFilePath);
    return siblingPath(FolderFilesByBase(info.path()), info.fileName(), extension);
}

QString photoPathFor(const QString& personFilePath)
{
    return siblingPath(personFilePath, QStringLiteral(".bmp"));
}

bool isEntryFileName(const QString& fileName)
{
    const QString extension = fileName.right(4);
    return extension.compare(QLatin1String(".wps"), Qt::CaseInsensitive) == 0 ||
           extension.compare(QLatin1String(".wpj"), Qt::CaseInsensitive) == 0 ||
           extension.compare(QLatin1String(".wpb"), Qt::CaseInsensitive) == 0;
}

bool isEntryFileName(QByteArrayView storedName)
{
    if (!isAscii(storedName))
        return isEntryFileName(QFile::decodeName(storedName.toByteArray()));
    const qsizetype n = storedName.size();
    if (n < 4 || storedName[n - 4] != '.' || asciiLower(storedName[n - 3]) != 'w' ||
        asciiLower(storedName[n - 2]) != 'p')
        return false;
    const char kind = asciiLower(storedName[n - 1]);
    return kind == 's' || kind == 'j' || kind == 'b';
}

bool photoMayBeDeleted(const FolderFilesByBase& files, const QString& base)
{
    const QStringList found = files.filesOfBase(base);
    return std::none_of(found.cbegin(), found.cend(), [](const QString& name) { return isEntryFileName(name); });
}

bool photoMayBeDeleted(const QString& folder, const QString& base)
{
    return photoMayBeDeleted(FolderFilesByBase(folder), base);
}

void deletePhotoIfUnused(const QString& entryFileName, FolderFilesByBase& files, const FileRemover& remover)
{
    if (!photoMayBeDeleted(files, baseNameOf(entryFileName)))
        return;
    const QString photo = siblingPath(files, entryFileName, QStringLiteral(".bmp"));
    if (QFileInfo::exists(photo) && remover.remove(photo))
        files.forget(QFileInfo(photo).fileName());
}

void deletePhotoIfUnused(const QString& entryPath, const FileRemover& remover)
{
    const QFileInfo entry(entryPath);
    FolderFilesByBase files(entry.path());
    deletePhotoIfUnused(entry.fileName(), files, remover);
}

std::optional<QString> claimNewEntryFile(const QString& folder, const QByteArray& entryType, RandomSource& random,
                                         const FileWriter& writer, const FileRemover& remover, QString* error)
{
    const QString extension = entryType == kEntryTypeOneOff ? QStringLiteral(".wpj") : QStringLiteral(".wps");
    // A folder that cannot take a file fails at once; a name taken in the meantime is drawn again.
    // With 10^12 names the bound is only reached by a broken random source.
    for (int attempt = 0; attempt < 10000; ++attempt) {
        const QString base =
            QStringLiteral("%1-%2-%3").arg(random.below(10000)).arg(random.below(10000)).arg(random.below(10000));
        if (!filesOfBase(folder, base).isEmpty())
            continue;
        const QString name = base + extension;
        QString why;
        if (!writer.createExclusive(folder + name, &why)) {
            if (QFileInfo::exists(folder + name))
                continue;
            if (error)
                *error = why;
            return std::nullopt;
        }
        // Each program looks after creating its file, so of two that claim one base at once at least
        // the later one sees the other's file; both may step back, never both keep it.
        if (filesOfBase(folder, base) == QStringList{name})
            return name;
        remover.remove(folder + name);
    }
    if (error)
        *error = QStringLiteral("%1: no free file name").arg(folder);
    return std::nullopt;
}
