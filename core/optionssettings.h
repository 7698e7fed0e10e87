#pragma once

#include "profilefile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What the options dialog edits: section "opcje" of the settings file, as the state of its controls.
struct OptionsState {
    // The day boxes by number (box 1 days before a birthday, 2 after it, 3 before a name day, 4 after
    // it, 5 before another occasion, 6 after it); the item index is the number of days, -1 none.
    std::array<int, 6> days{7, 3, 7, 3, 7, 3};
    bool useDefaultBase = true; // "Standardowa"
    bool useSecondBase = false; // "Inna"
    QByteArray secondBase;      // the folder of the second base, as typed
    bool saveToDefault = true;  // "Standardowej"; else "Dodatkowej"

    bool operator==(const OptionsState&) const = default;
};

// The items of a day box: 0..14 days before, 0..3 after.
int dayBoxItemCount(int box);

struct OptionsLoad {
    OptionsState state;
    // No second base is set: the dialog writes baza_1 = "jest" at once.
    bool writeDefaultInUse = false;
};

OptionsLoad readOptions(const ProfileFile& opcje);

// Corrects a state that cannot be saved as it stands, check by check, each on the state the ones
// before left; returns the numbers of the messages that explain the corrections, in order.
QList<int> correctOptions(OptionsState& state);

// Writes all nine keys in one replacement of the file. A day box without a selection writes its
// default, so the checker never reads a count outside its range.
bool writeOptions(ProfileFile& opcje, const OptionsState& state, QString* error);

// The folder the folder browser opens at: the second base as typed when it names an existing
// folder by its full path, else the default data folder; without a trailing "/".
QString browserStartFolder(const QString& typedFolder, const QString& programDir);

// The mount point (each ending in "/") that holds the folder: the longest one it lies under;
// empty when none does.
QString mountPointOf(const QString& folder, const QStringList& mountPoints);

// The message numbers of the corrections.
inline constexpr int kMsgRestart = 14;
inline constexpr int kMsgNoSecondFolder = 25;
inline constexpr int kMsgSaveToUnusedSecond = 26;
inline constexpr int kMsgNoBase = 27;
inline constexpr int kMsgSaveToUnusedDefault = 28;
