#include "checkerscan.h"

#include "filelisting.h"
#include "filereading.h"
#include "fileremover.h"
#include "numbers.h"
#include "personfile.h"
#include "taggedline.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace {

std::uint8_t readDays(const ProfileFile& file, const char* key, std::uint8_t fallback)
{
    const std::int32_t days = file.readInteger(opcje::kSectionOptions, key, fallback);
    if (days < 0)
        return fallback;
    return std::uint8_t(std::min(days, 255));
}

// The folder is listed once and held open; each file is opened by name through it and read into one
// buffer. A file that went away since the listing contributes nothing.
void scanFolder(OccasionScan& scan, const QString& folder)
{
    scan.CurrentFolder = folder;
    const FolderListing listing(folder);
    // "*.wp?" also finds the bin (".wpb"); only persons and one-off reminders are read.
    const auto read = [](EntryKind kind) { return kind == EntryKind::Person || kind == EntryKind::OneOff; };
    QByteArray content;
    for (const StoredEntryFile& file : entryFilesIn(listing, read)) {
        if (readWholeFileIn(listing.handle(), file.name.constData(), content) == ReadResult::Read)
            scan.ProcessPersonContent(content, file);
    }
}

} // namespace

CheckerSettings CheckerSettings::read(const ProfileFile& file)
{
    using namespace opcje;
    CheckerSettings s;
    s.languageName = file.readString(kSectionLanguage, kLanguageName, kBuiltInLanguage);
    const DayWindows defaults;
    s.days.DaysBeforeBirthday = readDays(file, kDaysBeforeBirthday, defaults.DaysBeforeBirthday);
    s.days.DaysBeforeNameDay = readDays(file, kDaysBeforeNameDay, defaults.DaysBeforeNameDay);
    s.days.DaysBeforeOccasion = readDays(file, kDaysBeforeOccasion, defaults.DaysBeforeOccasion);
    s.days.DaysAfterBirthday = readDays(file, kDaysAfterBirthday, defaults.DaysAfterBirthday);
    s.days.DaysAfterNameDay = readDays(file, kDaysAfterNameDay, defaults.DaysAfterNameDay);
    s.days.DaysAfterOccasion = readDays(file, kDaysAfterOccasion, defaults.DaysAfterOccasion);
    s.bases = DatabaseSettings::read(file);
    return s;
}

bool CheckerResult::silentEnd() const
{
    return ComingList.isEmpty() && PastList.isEmpty() && HolidayText.isEmpty();
}

QByteArray readHoliday(const QString& path, QDate today)
{
    static const QByteArray key("swieto");
    QByteArray holiday;
    const Lines lines = readLines(path).value_or(Lines());
    for (const QByteArray& line : lines) {
        if (ExtractField(line, QByteArray()) != key)
            continue;
        const DateParts parts = splitDate(ExtractField(line, key));
        const auto day = toInteger(parts.day);
        const auto month = toInteger(parts.month);
        if (day && month && *day <= 31 && *month <= 12 && QDate(today.year(), *month, *day) == today)
            holiday = parts.description;
    }
    return holiday;
}

void deleteExpiredOneOffs(const QList<ExpiredOneOff>& expired, QDate today, const DayWindows& days,
                          const FileRemover& remover)
{
    // Each folder is listed once, at its first deletion, however many reminders of it have passed.
    std::map<QString, FolderFilesByBase> folders;
    for (const ExpiredOneOff& reminder : expired) {
        const auto now = readBytes(reminder.path);
        if (!now || *now != reminder.content || !OneOffHasExpired(splitLines(*now), today, days))
            continue;
        if (!remover.remove(reminder.path))
            continue;
        const QFileInfo entry(reminder.path);
        FolderFilesByBase& files = folders.try_emplace(entry.path(), entry.path()).first->second;
        files.forget(entry.fileName());
        deletePhotoIfUnused(entry.fileName(), files, remover);
    }
}

CheckerResult CheckerMain(const QString& programDir, QDate today, const FileRemover& remover)
{
    CheckerResult result;
    result.Today = today;
    result.CurrentYear = std::uint16_t(today.year());

    const CheckerSettings settings = CheckerSettings::read(ProfileFile(settingsPathIn(programDir)));
    result.texts = loadCheckerTexts(programDir, settings.languageName);

    OccasionScan scan(today, settings.days, result.texts);
    if (settings.bases.UseDefaultBase)
        scanFolder(scan, defaultBaseIn(programDir));
    if (settings.bases.UseSecondBase)
        scanFolder(scan, settings.bases.SecondBasePath);
    deleteExpiredOneOffs(scan.ExpiredOneOffs, today, settings.days, remover);

    result.ComingList = std::move(scan.ComingList);
    result.PastList = std::move(scan.PastList);
    result.HolidayText = readHoliday(defaultBaseIn(programDir) + QStringLiteral("stale/swieta.wps"), today);
    return result;
}
