#include "occasions.h"

#include "numbers.h"
#include "personfile.h"
#include "taggedline.h"

#include <optional>

namespace {

// The three kinds of date line.
struct DateLineKind {
    const char* key;
    std::uint8_t DayWindows::*before;
    std::uint8_t DayWindows::*after;
};

const DateLineKind kDateLines[] = {
    {kKindNameDay, &DayWindows::DaysBeforeNameDay, &DayWindows::DaysAfterNameDay},
    {kKindBirthday, &DayWindows::DaysBeforeBirthday, &DayWindows::DaysAfterBirthday},
    {kKindOccasion, &DayWindows::DaysBeforeOccasion, &DayWindows::DaysAfterOccasion},
};

const DateLineKind* dateLineKind(const QByteArray& key)
{
    for (const DateLineKind& kind : kDateLines) {
        if (key == kind.key)
            return &kind;
    }
    return nullptr;
}

// A date placed in a given year.
struct Placed {
    QDate due; // the day it falls due
    int month; // 1..12
};

// Places day and month in `year`. The parts are converted as far as they read as numbers (" 5" is
// 5, "12.2026" is 12). A date that does not exist, or parts that do not convert in full or are out of
// range, are tried on the day before, two and three days before; a date placed that way falls due
// as many days after the day it was placed on, so 29.02 falls due on 1 March in a common year and
// 31.04 on 1 May. Nothing when even that gives no date (a day or month of 0, a month above 12).
std::optional<Placed> placeDate(int year, const QByteArray& dayPart, const QByteArray& monthPart)
{
    const ParsedInteger month = parseInteger(monthPart);
    const ParsedInteger day = parseInteger(dayPart);
    const bool exact = month.ok() && day.ok() && day.value <= 31 && month.value <= 12;
    if (exact && QDate::isValid(year, month.value, day.value))
        return Placed{QDate(year, month.value, day.value), month.value};
    for (int k = 1; k <= 3; ++k) {
        const std::int64_t tried = std::int64_t(day.value) - k;
        if (tried >= 1 && QDate::isValid(year, month.value, int(tried)))
            return Placed{QDate(year, month.value, int(tried)).addDays(k), month.value};
    }
    return std::nullopt;
}

enum class Window { None, Coming, Past };

struct Judgement {
    Window window = Window::None;
    int DayCount = 0;
    int occurrenceYear = 0; // the year of the occurrence that is coming or has passed
};

// A yearly date, placed in the current year: coming when this year's occurrence is at most
// `before` days ahead (today included) or next year's is, past when this year's is at most `after`
// days behind or last year's is. Next and last year's occurrences are reckoned with the length of
// the current year.
Judgement judgeYearly(QDate today, QDate due, int before, int after)
{
    const int currentYear = today.year();
    // Days 32..34 of December fall due early in January: this year's occurrence is the one carried
    // over from last December.
    if (due.year() > currentYear)
        due = due.addYears(-1);
    const int daysInYear = today.daysInYear();
    const int ahead = int(today.daysTo(due));
    const int span = ahead < 0 ? -ahead : ahead;
    if (ahead < 0 && span >= daysInYear - before)
        return {Window::Coming, daysInYear - span, currentYear + 1};
    if (ahead >= 0 && span <= before)
        return {Window::Coming, span, currentYear};
    if (ahead > 0 && span >= daysInYear - after)
        return {Window::Past, daysInYear - span, currentYear - 1};
    if (ahead < 0 && span <= after)
        return {Window::Past, span, currentYear};
    return {};
}

// A one-off reminder with a year: only its own date counts, so one dated next year or late this
// year is neither announced nor deleted early, and it is past only after the day it falls due.
Judgement judgeDated(QDate today, QDate due, int before, int after)
{
    const int ahead = int(today.daysTo(due));
    if (ahead >= 0 && ahead <= before)
        return {Window::Coming, ahead, due.year()};
    if (ahead < 0 && -ahead <= after)
        return {Window::Past, -ahead, due.year()};
    return {};
}

// The year part moved by the years between the occurrence and the current year, when it is a whole
// number; else as written.
QByteArray shiftedYear(const QByteArray& yearPart, int years)
{
    const auto year = toInteger(yearPart);
    if (!year || years == 0)
        return yearPart;
    return QByteArray::number(std::int64_t(*year) - years);
}

QByteArray daysLeftText(int days, const CheckerTexts& t)
{
    using namespace checkertext;
    if (days == 0)
        return t.text(IsToday);
    if (days == 1)
        return t.text(OneDayLeft);
    const QByteArray count = ' ' + QByteArray::number(days) + ' ' + t.text(DaysWord);
    return (days <= 4 ? t.text(LeftFew) : t.text(LeftMany)) + count;
}

constexpr int kLongestListedDayCount = 14;

} // namespace

OccasionScan::OccasionScan(QDate today, const DayWindows& days, const CheckerTexts& texts)
    : m_today(today)
    , m_days(days)
    , m_texts(&texts)
{}

void OccasionScan::ProcessPersonFile(const QString& fileName)
{
    if (const auto lines = readLines(CurrentFolder + fileName))
        ProcessPersonLines(*lines, fileName);
}

void OccasionScan::ProcessPersonLines(const Lines& lines, const QString& fileName)
{
    const bool oneOff = kindOfFileName(fileName) == EntryKind::OneOff;
    QByteArray currentName;
    for (const QByteArray& line : lines) {
        const QByteArray key = ExtractField(line, QByteArray());
        if (key == "nazwisko")
            currentName = ExtractField(line, key);
        else if (dateLineKind(key))
            judgeDateLine(key, ExtractField(line, key), currentName, fileName, oneOff);
    }
}

void OccasionScan::judgeDateLine(const QByteArray& key, const QByteArray& value, const QByteArray& name,
                                 const QString& fileName, bool oneOff)
{
    const DateLineKind& kind = *dateLineKind(key);
    const bool nameDay = key == kKindNameDay;

    // A name day is DD.MM; its parts are what stands around the first dot, so a name day written
    // with a year still gives its day and month as far as they read.
    QByteArray dayPart, monthPart, yearPart, label;
    if (nameDay) {
        dayPart = value.left(2) + value.mid(5);
        monthPart = value.mid(3);
        label = m_texts->text(checkertext::NameDayLabel);
    } else {
        const DateParts parts = splitDate(value);
        dayPart = parts.day;
        monthPart = parts.month;
        yearPart = parts.year;
        label = key == kKindBirthday ? m_texts->text(checkertext::BirthdayLabel) : parts.description;
    }

    const int before = m_days.*kind.before;
    const int after = m_days.*kind.after;
    const auto year = nameDay ? std::nullopt : toInteger(yearPart);
    std::optional<Placed> placed;
    Judgement judged;
    if (oneOff && year) {
        placed = placeDate(*year, dayPart, monthPart);
        if (placed)
            judged = judgeDated(m_today, placed->due, before, after);
    } else {
        placed = placeDate(m_today.year(), dayPart, monthPart);
        if (placed)
            judged = judgeYearly(m_today, placed->due, before, after);
    }
    if (judged.window == Window::None)
        return;
    if (judged.window == Window::Past && oneOff) {
        ExpiredOneOffs.append(CurrentFolder + fileName);
        return;
    }

    wpis entry;
    entry.Name = name;
    const QByteArray dateText = label + " (" + dayPart + ' ' + m_texts->monthName(placed->month) + ')';
    if (judged.window == Window::Coming) {
        if (judged.DayCount <= kLongestListedDayCount)
            entry.EntryText = dateText + " - " + daysLeftText(judged.DayCount, *m_texts);
    } else if (judged.DayCount >= 1 && judged.DayCount <= kLongestListedDayCount) {
        entry.EntryText = dateText;
    }
    if (!nameDay)
        entry.Year = shiftedYear(yearPart, judged.occurrenceYear - m_today.year());
    entry.Kind = kind.key;
    entry.Path = CurrentFolder + fileName;
    (judged.window == Window::Coming ? ComingList : PastList).append(entry);
}
