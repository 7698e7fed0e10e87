#include "occasions.h"

#include "numbers.h"
#include "personfile.h"
#include "taggedline.h"

#include <algorithm>
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
    int placedIn = 0;       // the year its day and month were placed in (as if that year were written)
};

// A yearly date, placed in the current year: coming when this year's occurrence is at most
// `before` days ahead (today included) or next year's is, past when this year's is at most `after`
// days behind or last year's is. Next and last year's occurrences are reckoned with the length of
// the current year.
Judgement judgeYearly(QDate today, QDate due, int before, int after)
{
    const int currentYear = today.year();
    int placedIn = currentYear;
    // Days 32..34 of December fall due early in January: this year's occurrence is the one carried
    // over from last December.
    if (due.year() > currentYear) {
        due = due.addYears(-1);
        --placedIn;
    }
    const int daysInYear = today.daysInYear();
    const int ahead = int(today.daysTo(due));
    const int span = ahead < 0 ? -ahead : ahead;
    if (ahead < 0 && span >= daysInYear - before)
        return {Window::Coming, daysInYear - span, currentYear + 1, placedIn + 1};
    if (ahead >= 0 && span <= before)
        return {Window::Coming, span, currentYear, placedIn};
    if (ahead > 0 && span >= daysInYear - after)
        return {Window::Past, daysInYear - span, currentYear - 1, placedIn - 1};
    if (ahead < 0 && span <= after)
        return {Window::Past, span, currentYear, placedIn};
    return {};
}

// One date line taken apart and judged.
struct DateLine {
    const DateLineKind* kind = nullptr;
    bool nameDay = false;
    QByteArray dayPart;
    QByteArray monthPart;
    QByteArray yearPart;
    QByteArray label; // the occasion's description; the kind's text for name days and birthdays
    // A one-off reminder's year, when it is a whole number.
    std::optional<std::int32_t> ownYear;
    std::optional<Placed> placed; // in the current year
    Judgement judged;
};

DateLine judgeDateLine(const QByteArray& key, const QByteArray& value, bool oneOff, QDate today, const DayWindows& days)
{
    DateLine line;
    line.kind = dateLineKind(key);
    line.nameDay = key == kKindNameDay;
    if (line.nameDay) {
        // A name day is DD.MM; its parts are what stands around the first dot, so a name day
        // written with a year still gives its day and month as far as they read.
        line.dayPart = value.left(2) + value.mid(5);
        line.monthPart = value.mid(3);
    } else {
        const DateParts parts = splitDate(value);
        line.dayPart = parts.day;
        line.monthPart = parts.month;
        line.yearPart = parts.year;
        line.label = parts.description;
        if (oneOff)
            line.ownYear = toInteger(parts.year);
    }
    line.placed = placeDate(today.year(), line.dayPart, line.monthPart);
    if (!line.placed)
        return line;
    line.judged = judgeYearly(today, line.placed->due, days.*line.kind->before, days.*line.kind->after);
    // A one-off reminder recurs like any date once its own year has come, but an occurrence before
    // its own date does not count: one dated next year or later this year is neither announced nor
    // deleted early.
    if (line.ownYear && line.judged.placedIn < *line.ownYear)
        line.judged = {};
    return line;
}

// A one-off reminder is done when one of its dates has just passed and none is announced or still
// lies ahead. A date with a year after today's lies ahead until its day; a date read yearly (no year,
// or a year gone by) lies ahead when its day is still to come in the year of the date that passed
// last, so a reminder's dates without a year are read as dates of one calendar year.
bool allDatesPassed(const QList<DateLine>& lines, QDate today)
{
    const DateLine* lastPassed = nullptr;
    for (const DateLine& line : lines) {
        if (line.judged.window == Window::Coming)
            return false;
        if (line.judged.window == Window::Past && (!lastPassed || line.judged.DayCount < lastPassed->judged.DayCount))
            lastPassed = &line;
    }
    if (!lastPassed)
        return false;
    for (const DateLine& line : lines) {
        if (line.judged.window != Window::None || !line.placed)
            continue;
        if (line.ownYear && *line.ownYear > today.year())
            return false;
        const int year = std::max(lastPassed->judged.placedIn, line.ownYear.value_or(lastPassed->judged.placedIn));
        const auto placed = placeDate(year, line.dayPart, line.monthPart);
        if (placed && placed->due > today)
            return false;
    }
    return true;
}

template <typename Each> void forEachDateLine(const Lines& lines, Each&& each)
{
    QByteArray currentName;
    for (const QByteArray& line : lines) {
        const QByteArray key = ExtractField(line, QByteArray());
        if (key == "nazwisko")
            currentName = ExtractField(line, key);
        else if (dateLineKind(key))
            each(key, ExtractField(line, key), currentName);
    }
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

// The listed entry of a coming or past date line.
wpis listedEntry(const DateLine& line, const QByteArray& name, const QString& path, QDate today,
                 const CheckerTexts& texts)
{
    const bool birthday = qstrcmp(line.kind->key, kKindBirthday) == 0;
    const QByteArray label = line.nameDay ? texts.text(checkertext::NameDayLabel)
                             : birthday   ? texts.text(checkertext::BirthdayLabel)
                                          : line.label;
    const Judgement& judged = line.judged;
    wpis entry;
    entry.Name = name;
    const QByteArray dateText = label + " (" + line.dayPart + ' ' + texts.monthName(line.placed->month) + ')';
    if (judged.window == Window::Coming) {
        if (judged.DayCount <= kLongestListedDayCount)
            entry.EntryText = dateText + " - " + daysLeftText(judged.DayCount, texts);
    } else if (judged.DayCount >= 1 && judged.DayCount <= kLongestListedDayCount) {
        entry.EntryText = dateText;
    }
    if (!line.nameDay)
        entry.Year = shiftedYear(line.yearPart, judged.occurrenceYear - today.year());
    entry.Kind = line.kind->key;
    entry.Path = path;
    return entry;
}

} // namespace

bool OneOffHasExpired(const Lines& lines, QDate today, const DayWindows& days)
{
    QList<DateLine> judged;
    forEachDateLine(lines, [&](const QByteArray& key, const QByteArray& value, const QByteArray&) {
        judged.append(judgeDateLine(key, value, true, today, days));
    });
    return allDatesPassed(judged, today);
}

OccasionScan::OccasionScan(QDate today, const DayWindows& days, const CheckerTexts& texts)
    : m_today(today)
    , m_days(days)
    , m_texts(&texts)
{}

void OccasionScan::ProcessPersonFile(const QString& fileName)
{
    if (const auto content = readBytes(CurrentFolder + fileName))
        ProcessPersonContent(*content, fileName);
}

void OccasionScan::ProcessPersonContent(const QByteArray& content, const QString& fileName)
{
    const bool oneOff = kindOfFileName(fileName) == EntryKind::OneOff;
    QList<DateLine> oneOffLines;
    forEachDateLine(splitLines(content), [&](const QByteArray& key, const QByteArray& value, const QByteArray& name) {
        const DateLine line = judgeDateLine(key, value, oneOff, m_today, m_days);
        if (oneOff)
            oneOffLines.append(line);
        // A one-off reminder's past dates are not listed: once all have passed it is deleted.
        if (line.judged.window == Window::None || (oneOff && line.judged.window == Window::Past))
            return;
        wpis entry = listedEntry(line, name, CurrentFolder + fileName, m_today, *m_texts);
        (line.judged.window == Window::Coming ? ComingList : PastList).append(std::move(entry));
    });
    if (oneOff && allDatesPassed(oneOffLines, m_today))
        ExpiredOneOffs.append({CurrentFolder + fileName, content});
}
