#pragma once

#include "checkertexts.h"
#include "personfile.h"
#include "personkeys.h"
#include "textlines.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// How many days before its date an occasion is announced and how many days after it it is still
// listed, per kind. The settings file may hold anything; the reader keeps these within 0..255.
struct DayWindows {
    std::uint8_t DaysBeforeNameDay = 7;
    std::uint8_t DaysBeforeBirthday = 7;
    std::uint8_t DaysBeforeOccasion = 7;
    std::uint8_t DaysAfterNameDay = 3;
    std::uint8_t DaysAfterBirthday = 3;
    std::uint8_t DaysAfterOccasion = 3;
};

// The kinds of occasion, by the date lines they are read from.
enum class OccasionKind : std::uint8_t {
    NameDay,  // "imieniny"
    Birthday, // "urodziny"
    Occasion, // "impreza"
};

// One listed occasion: a row of the results window.
struct wpis {
    // The value of the last "nazwisko" line before the date line in the same file; empty if none.
    QByteArray Name;
    // For example "Urodziny (08 grudnia) - To dzisiaj!!!"; empty when the occasion is 15 or more days
    // away (or, for a past one, 0 or 15 or more days ago).
    QByteArray EntryText;
    // Birthdays and occasions: the year part of the date, as written, or moved by the years between
    // the listed occurrence and the current year when it is a whole number, so that CurrentYear - Year
    // is the age or count reached at that occurrence. Name days: empty.
    QByteArray Year;
    OccasionKind Kind = OccasionKind::NameDay;
    // The folder + the file name as found: the person file to open.
    QString Path;
};

inline constexpr auto& kKindNameDay = personkey::imieniny;
inline constexpr auto& kKindBirthday = personkey::urodziny;
inline constexpr auto& kKindOccasion = personkey::impreza;

// A one-off reminder all of whose dates have passed, with the bytes it was judged on: it may be
// deleted only while the file still holds exactly these bytes.
struct ExpiredOneOff {
    QString path;
    QByteArray content;
};

// Whether a one-off reminder with these lines is done: one of its dates has just passed, none is
// announced and none still lies ahead. Used again on the file's bytes right before deleting it.
bool OneOffHasExpired(const Lines& lines, QDate today, const DayWindows& days);

// Judges the date lines of person files against today and collects what is coming, what has just
// passed, and the one-off reminders whose dates have all passed. Today is given, never read from a
// clock.
class OccasionScan {
public:
    OccasionScan(QDate today, const DayWindows& days, const CheckerTexts& texts);

    // The folder of the files processed next, ending in "/".
    QString CurrentFolder;

    // Coming occasions (today included) and those just passed, in the order found.
    QList<wpis> ComingList;
    QList<wpis> PastList;
    // One-off reminders (".wpj") that are done (see OneOffHasExpired): CurrentFolder + the file name as
    // found, once per file. Their past dates are not listed.
    QList<ExpiredOneOff> ExpiredOneOffs;

    // Reads CurrentFolder + `fileName`; a file that cannot be read contributes nothing.
    void ProcessPersonFile(const QString& fileName);
    // The same for a file's bytes already read; the kind of entry follows from the last letter of
    // `fileName`.
    void ProcessPersonContent(QByteArrayView content, const QString& fileName);
    // The same for a file of a folder listing, named as stored.
    void ProcessPersonContent(QByteArrayView content, const StoredEntryFile& file);

private:
    // `pathOf()` gives CurrentFolder + the file name, asked for only when a line is listed or the
    // reminder has passed.
    template <typename PathOf> void processContent(QByteArrayView content, bool oneOff, PathOf pathOf);

    QDate m_today;
    DayWindows m_days;
    const CheckerTexts* m_texts;
    // For each kind of date line, month and day: whether that day of this year lies in no window,
    // worked out once, so a date line written as the program writes it is judged by one look-up.
    std::vector<bool> m_quietDays;
};
