#pragma once

#include "personfile.h"
#include "textreader.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A day and a month chosen in the date lists: item indexes, -1 for no selection.
struct DaySelection {
    int day = -1;
    int month = -1;
    bool operator==(const DaySelection&) const = default;
};

// The person the main window shows, read from one person file: the window fills its controls from
// it and the edit command fills the editor from it. `path` is the file shown, empty when the view is
// cleared; the chooser's selection may differ (a favourite or an edited entry outside the list), so
// "E", its save and its photo, "K" and "P" all take this path.
struct ShownPerson {
    QString path;
    // Every value of the file: the address edits, the phone, e-mail and occasion lists and the
    // note lines show these as they are; the name, the NIP and the REGON are shown by their commands.
    PersonRecord record;
    DaySelection nameDay;    // the name-day lists
    DaySelection birthday;   // the birthday lists
    QByteArray birthdayYear; // characters 7-10 of the birthday; "????" stays as it is
    // The year of the occasion last picked in the occasion list, empty until one is picked: the
    // editor starts the occasion to add with it.
    QByteArray pickedOccasionYear;
    // Buttons that depend on the entry: restore "P" for a binned person, edit "E" for every other.
    bool showRestore = false;
    bool showEdit = false;
    bool showMail = false;  // "M": the file has an e-mail line
    bool showNip = false;   // "NIP": a non-empty tax number
    bool showRegon = false; // "REG": a non-empty REGON
    // The photo to load; empty when the file names none or the named file is missing, and then the
    // built-in picture is shown. The window sets hasPhoto only when this loads, and an edit saves the
    // photo again only then.
    QString photoPath;
    bool hasPhoto = false;
};

struct ShowResult {
    enum class Status {
        Shown,      // `person` holds the new view
        Missing,    // no such file: the window keeps what it shows
        Unreadable, // the file exists but cannot be read: the window keeps what it shows and reports
                    // `errorCode` with the file error message
    };
    Status status = Status::Missing;
    ShownPerson person;
    int errorCode = 0;
};

// Reads a person file completely before anything is shown, so a file that cannot be read changes
// nothing and a shown person never mixes with the previous one.
ShowResult ShowPerson(const QString& path, const TextReader& reader = TextReader::standard());
// The person at `path` whose file holds `record` (read, or just written by a save).
ShownPerson shownPerson(const QString& path, PersonRecord record);

// The selections for a name day "DD.MM": the day is the value without its characters 3 to 5, the
// month the value from its character 4 on. Nothing when either does not convert to an integer.
std::optional<DaySelection> nameDaySelection(const QByteArray& value);
// The selections for a date "DD.MM..." read by position: day 1-2, month 4-5.
std::optional<DaySelection> dateSelection(const QByteArray& value);

// The occasion picked in the occasion list, for its date lists and edits.
struct OccasionFields {
    // Nothing when the day or the month is not a number: the lists then keep their selections.
    std::optional<DaySelection> date;
    QByteArray year;
    QByteArray description;
};
OccasionFields occasionFields(const QByteArray& value);
