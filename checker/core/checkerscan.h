#pragma once

#include "checkertexts.h"
#include "occasions.h"
#include "settings.h"
#include "textlines.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <cstdint>

class FileRemover;

// What the checker reads from opcje.ini.
struct CheckerSettings {
    QByteArray languageName;
    DayWindows days;
    // The checker takes the data folders by the same rule as the main program; it has no use for
    // the save target.
    DatabaseSettings bases;

    // Missing keys take their defaults. A day count that is negative or no number takes its default,
    // one above 255 is taken as 255, so a hand-edited file never stops the checker.
    static CheckerSettings read(const ProfileFile& opcje);
};

// The outcome of one checker run, everything the results window shows.
struct CheckerResult {
    QDate Today;
    std::uint16_t CurrentYear = 0;
    CheckerTexts texts;
    QList<wpis> ComingList;
    QList<wpis> PastList;
    QByteArray HolidayText;

    // Nothing coming, nothing just passed and no holiday: the checker ends without a window.
    bool silentEnd() const;
};

// Today's holiday from the holiday file: the text of the last "swieto" line dated with today's day
// and month (its year is not used); empty when none, or when the file is missing.
QByteArray readHoliday(const QString& path, QDate today);

// Deletes the one-off reminders found done, in the order collected, each only when it still holds the
// bytes it was judged on and is still done when judged again (the main program may have changed it
// since the scan), then its photo when no other entry of that base is left. Failed deletions are
// ignored.
void deleteExpiredOneOffs(const QList<ExpiredOneOff>& expired, QDate today, const DayWindows& days,
                          const FileRemover& remover);

// The checker's whole work before its window: reads the settings and the chosen language in
// `programDir` (ending in "/"), scans both data folders, deletes the passed one-off reminders and
// finds today's holiday. `today` is the system date, taken by the caller.
CheckerResult CheckerMain(const QString& programDir, QDate today, const FileRemover& remover);
