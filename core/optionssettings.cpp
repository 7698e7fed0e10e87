#include "optionssettings.h"

#include "settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct DayKey {
    const char* key;
    int fallback;
};

// By box number.
constexpr std::array<DayKey, 6> kDayKeys{{
    {opcje::kDaysBeforeBirthday, 7},
    {opcje::kDaysAfterBirthday, 3},
    {opcje::kDaysBeforeNameDay, 7},
    {opcje::kDaysAfterNameDay, 3},
    {opcje::kDaysBeforeOccasion, 7},
    {opcje::kDaysAfterOccasion, 3},
}};

// The order the keys are written in: all "before" counts, then all "after" counts.
constexpr std::array<int, 6> kWriteOrder{0, 2, 4, 1, 3, 5};

} // namespace

int dayBoxItemCount(int box)
{
    return box % 2 == 0 ? 15 : 4;
}

OptionsLoad readOptions(const ProfileFile& file)
{
    OptionsLoad load;
    OptionsState& s = load.state;
    for (std::size_t box = 0; box < kDayKeys.size(); ++box) {
        const int days = file.readInteger(opcje::kSectionOptions, kDayKeys[box].key, kDayKeys[box].fallback);
        s.days[box] = days >= 0 && days < dayBoxItemCount(int(box)) ? days : -1;
    }
    const QByteArray saveTo = file.readString(opcje::kSectionOptions, opcje::kSaveTo, opcje::kSaveToDefault);
    s.saveToDefault = saveTo.isEmpty() || saveTo == opcje::kSaveToDefault;
    const QByteArray base1 = file.readString(opcje::kSectionOptions, opcje::kDefaultBase, opcje::kInUse);
    const QByteArray base2 = file.readString(opcje::kSectionOptions, opcje::kSecondBase, opcje::kNone);
    if (!base2.isEmpty() && base2 != opcje::kNone) {
        s.useSecondBase = true;
        s.secondBase = base2;
        // Shown as stored, also when the default base is not in use: a saved "brak" must not turn
        // into "jest" by opening and confirming the dialog.
        s.useDefaultBase = base1 != opcje::kNone;
    } else {
        s.useDefaultBase = true;
        s.useSecondBase = false;
        s.secondBase.clear();
        load.writeDefaultInUse = true;
    }
    return load;
}

QList<int> correctOptions(OptionsState& s)
{
    QList<int> messages;
    if (!s.useDefaultBase && !s.useSecondBase) {
        s.useDefaultBase = true;
        messages.append(kMsgNoBase);
    }
    if (s.secondBase.isEmpty() && s.useSecondBase) {
        s.useDefaultBase = true;
        s.useSecondBase = false;
        messages.append(kMsgNoSecondFolder);
    }
    if (!s.useSecondBase && !s.saveToDefault) {
        s.saveToDefault = true;
        messages.append(kMsgSaveToUnusedSecond);
    }
    if (!s.useDefaultBase && s.saveToDefault) {
        s.saveToDefault = false;
        messages.append(kMsgSaveToUnusedDefault);
    }
    return messages;
}

bool writeOptions(ProfileFile& file, const OptionsState& s, QString* error)
{
    ProfileFile::KeyValues values;
    for (const int box : kWriteOrder) {
        const int days = s.days[std::size_t(box)];
        values.append({kDayKeys[std::size_t(box)].key,
                       QByteArray::number(days >= 0 ? days : kDayKeys[std::size_t(box)].fallback)});
    }
    values.append({opcje::kDefaultBase, QByteArray(s.useDefaultBase ? opcje::kInUse : opcje::kNone)});
    values.append({opcje::kSecondBase, s.useSecondBase ? s.secondBase : QByteArray(opcje::kNone)});
    values.append({opcje::kSaveTo, s.saveToDefault ? QByteArray(opcje::kSaveToDefault) : s.secondBase});
    return file.writeStrings(opcje::kSectionOptions, values, error);
}

QString browserStartFolder(const QString& typedFolder, const QString& programDir)
{
    if (QDir::isAbsolutePath(typedFolder) && QFileInfo(typedFolder).isDir())
        return QDir::cleanPath(typedFolder);
    return QDir::cleanPath(defaultBaseIn(programDir));
}

QString mountPointOf(const QString& folder, const QStringList& mountPoints)
{
    const QString inside = folder.endsWith(u'/') ? folder : folder + u'/';
    QString best;
    for (const QString& point : mountPoints) {
        if (inside.startsWith(point) && point.size() > best.size())
            best = point;
    }
    return best;
}
