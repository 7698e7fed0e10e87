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

// Everything the main window shows of one person file; the window copies it into its controls.
struct ShownPerson {
    QString path;
    // Every value of the file: the address edits, the phone, e-mail and occasion lists and the
    // note lines show these as they are.
    PersonRecord record;
    DaySelection nameDay;    // the name-day lists
    DaySelection birthday;   // the birthday lists
    QByteArray birthdayYear; // characters 7-10 of the birthday; "????" stays as it is
    // Buttons that depend on the entry: restore "P" for a binned person, edit "E" for every other.
    bool showRestore = false;
    bool showEdit = false;
    bool showMail = false;  // "M": the file has an e-mail line
    bool showNip = false;   // "NIP": a non-empty tax number
    bool showRegon = false; // "REG": a non-empty REGON
    // The photo to load; empty when the file names none or the named file is missing, and then the
    // built-in picture is shown. The window sets HasPhoto only when this loads.
    QString photoPath;

    // The name the edit command hands to the editor: the file's own, empty when it has none.
    const QByteArray& ShownName() const { return record.nazwisko; }
    const QByteArray& ShownNip() const { return record.NIP; }
    const QByteArray& ShownRegon() const { return record.regon; }
};

// The entry the main window shows, for the commands that act on it. ShownPath is the file shown,
// empty when the view is cleared; the chooser's selection may differ (a favourite or an edited
// entry outside the list), so "E", its save and its photo, "K" and "P" all take this path.
struct ShownEntry {
    QString ShownPath;
    QByteArray ShownName;
    bool HasPhoto = false; // the photo the file names loaded
    QByteArray ShownNip;
    QByteArray ShownRegon;
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
