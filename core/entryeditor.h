#pragma once

#include "groupmanagement.h"
#include "personfile.h"
#include "personlist.h"
#include "shownperson.h"

#include <QByteArray>
#include <QDate>
#include <QList>

#include <optional>

// The rules of the entry editor that need no window: year texts, date values and warnings, list
// items, quick dates and the editor's group menu. Texts are code page 1250 bytes as stored.

// A year text after the editor's check. `valid` is false for a text that is not a year; the text
// then stays as typed and the dates built from it get the year "????".
struct YearField {
    QByteArray text;
    bool valid = false;
    bool operator==(const YearField&) const = default;
};

// The one rule for the editor's year texts: "????" stays, an empty text becomes "????", four
// digits stay as typed (so "0024" stays), any other decimal integer n becomes 2000 + n when
// n <= 24, else 1900 + n (7 gives 2007, 25 gives 1925, -5 gives 1995). Dates are read by character
// position, so a year that would not come out as four digits (12345, -2000) is refused like a text
// that is no decimal integer (" 123", "$7E0", "0x10"): a year is written as four digits or "????".
YearField NormalizeYearField(const QByteArray& text);

// The date warning beside a day and month: shown when both are chosen and (year, month, day) is no
// date of the calendar. The year is the decimal integer of `yearText` (2004, a leap year, when it is
// empty, "????" or no decimal integer), cut to 16 bits as the calendar routine takes it.
bool dateMayBeInvalid(DaySelection date, const QByteArray& yearText);

// "DD.MM" of the chosen day and month, also the value of an "imieniny" line; a list without a
// choice counts as its first item, so an unchosen date is 01.01.
QByteArray dayMonth(DaySelection date);

// The value of an "urodziny" line: with a valid year "DD.MM.YYYY", written only when day and month
// are both chosen; with an invalid year always, as "DD.MM.????".
std::optional<QByteArray> birthdayValue(DaySelection date, const YearField& year);

// An occasion list item, saved unchanged as an "impreza" value: "DD.MM.YYYY-description", the year
// "????" when it is not valid.
QByteArray occasionItem(DaySelection date, const YearField& year, const QByteArray& description);

// Why an e-mail address is refused; the addresses are otherwise taken as typed.
enum class MailProblem { None, NoAt, NoDot };
MailProblem mailProblem(const QByteArray& address);

// The quick-date menu of the date fields: 37 items in five columns, from the last weekdays to the
// next ones.
struct QuickDateItem {
    enum class Kind { Header, Separator, Date };
    const char* caption; // UTF-8; empty for a separator
    Kind kind;
    bool newColumn; // the item starts a column of the menu
};
const QList<QuickDateItem>& quickDateItems();

// A day of the calendar as the quick dates compute it: the month and year steps keep the day
// number, so 31 March "miesiąc temu" is day 31 of February, which the date warning then shows.
struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDay&) const = default;
};

// The date of the quick-date item `index` on the day `today`; nothing for a header or separator.
std::optional<CalendarDay> quickDate(int index, QDate today);

// The editor's group menu. Items 0 to 3 are the fixed ones (one-off reminders, the bin, a separator,
// everything), never saved as groups; items 4 and on are the groups, checked when the entry belongs
// to them. A caption may start with "&", which is no part of the group name.
struct EntryGroupMenu {
    enum Index { OneOffs = 0, Bin = 1, Separator = 2, All = 3, FirstGroup = 4 };
    using Item = GroupMenuItem;
    QList<Item> items;

    // For a new entry: the group filter menu's items, every group unchecked, "everything" checked.
    static EntryGroupMenu forNewEntry(const GroupFilterMenu& filter);
    // For an edited entry: the groups of its file checked (value and caption compared without a
    // leading "&"); the one-off and bin items checked by the kind of the file.
    static EntryGroupMenu forEditedEntry(const GroupFilterMenu& filter, const QList<QByteArray>& fileGroups,
                                         EntryKind kind);

    // The "grupa" values to save: the checked groups, without a leading "&".
    QList<QByteArray> checkedGroups() const;
    // The groups as the group dialog lists them, marked when checked.
    QList<MarkedGroup> markedGroups() const;
};
