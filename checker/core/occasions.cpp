#include "occasions.h"

#include "numbers.h"
#include "personfile.h"
#include "personkeys.h"
#include "taggedline.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// The three kinds of date line.
struct DateLineKind {
    OccasionKind occasion;
    const char* key;
    std::uint8_t DayWindows::*before;
    std::uint8_t DayWindows::*after;
};

const DateLineKind kDateLines[] = {
    {OccasionKind::NameDay, kKindNameDay, &DayWindows::DaysBeforeNameDay, &DayWindows::DaysAfterNameDay},
    {OccasionKind::Birthday, kKindBirthday, &DayWindows::DaysBeforeBirthday, &DayWindows::DaysAfterBirthday},
    {OccasionKind::Occasion, kKindOccasion, &DayWindows::DaysBeforeOccasion, &DayWindows::DaysAfterOccasion},
};

const DateLineKind* dateLineKind(QByteArrayView key)
{
    // Asked for every line of every file: the keys' lengths are known at compile time.
    static constexpr QByteArrayView keys[] = {kKindNameDay, kKindBirthday, kKindOccasion};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        if (key == keys[i])
            return &kDateLines[i];
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

// The day a date line falls due when its day and month are placed in `year`.
std::optional<QDate> dueIn(const DateLine& line, int year)
{
    const auto placed = placeDate(year, line.dayPart, line.monthPart);
    return placed ? std::optional<QDate>(placed->due) : std::nullopt;
}

// A one-off reminder is done when one of its dates has just passed, none is announced, and every
// date of the round of the one that passed last has had its day. Of that round, a date whose year is
// not before the year the passed date was placed in is its own date as written (the first it has);
// a date without a year, or of an earlier year, is its occurrence nearest to the date that passed
// (the later of two as near), so that dates around a year's end are read as one round whichever
// year they fall in. Dates that cannot be placed are left out.
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
    const QDate passed = today.addDays(-lastPassed->judged.DayCount);
    const int passedIn = lastPassed->judged.placedIn;
    for (const DateLine& line : lines) {
        std::optional<QDate> reading;
        if (line.ownYear && *line.ownYear >= passedIn) {
            // 29.02 and days past a month's end exist in the leap years only.
            for (int k = 0; k < 8 && !reading && *line.ownYear <= std::numeric_limits<int>::max() - k; ++k)
                reading = dueIn(line, *line.ownYear + k);
        } else {
            for (int year = passed.year() - 2; year <= passed.year() + 1; ++year) {
                if (line.ownYear && year < *line.ownYear)
                    continue;
                const auto due = dueIn(line, year);
                if (due && (!reading || std::abs(passed.daysTo(*due)) <= std::abs(passed.daysTo(*reading))))
                    reading = due;
            }
        }
        if (reading && *reading >= today)
            return false;
    }
    return true;
}

// Takes the lines apart in place: calls `each(key, value, name)` for each date line, `name` being
// the value of the last "nazwisko" line before it. `nextLine(line)` gives the lines in turn.
template <typename NextLine, typename Each> void forEachDateLine(NextLine&& nextLine, Each&& each)
{
    QByteArray currentName;
    for (QByteArrayView line; nextLine(line);) {
        const TaggedFields fields(line);
        if (fields.key() == QByteArrayView(personkey::nazwisko))
            currentName = fields.value().toByteArray();
        else if (dateLineKind(fields.key()))
            each(fields.key(), fields.value(), currentName);
    }
}

// Where a day of the current year stands in the table of quiet days.
std::size_t quietDayIndex(const DateLineKind& kind, int month, int day)
{
    return (std::size_t(&kind - kDateLines) * 13 + std::size_t(month)) * 32 + std::size_t(day);
}

// Most date lines stand as the program writes them: two digits, a separator and two digits, for a
// birthday or an occasion followed by more. When that day exists this year, placeDate places it there
// exactly, so a line of a person's file on a quiet day (see OccasionScan) gives nothing, and the line
// need not be taken apart any further.
bool writtenOnQuietDay(const DateLineKind& kind, QByteArrayView value, const std::vector<bool>& quietDays)
{
    const bool nameDay = qstrcmp(kind.key, kKindNameDay) == 0;
    if (nameDay ? value.size() != 5 : value.size() < 5)
        return false;
    const auto digit = [&](int i) { return value[i] >= '0' && value[i] <= '9' ? value[i] - '0' : -1; };
    for (const int i : {0, 1, 3, 4}) {
        if (digit(i) < 0)
            return false;
    }
    const int day = digit(0) * 10 + digit(1);
    const int month = digit(3) * 10 + digit(4);
    // Days 32 and on are placed on the days after the month's end, which the table does not hold.
    return day >= 1 && day <= 31 && month >= 1 && month <= 12 && quietDays[quietDayIndex(kind, month, day)];
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
    const bool birthday = line.kind->occasion == OccasionKind::Birthday;
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
    entry.Kind = line.kind->occasion;
    entry.Path = path;
    return entry;
}

} // namespace

bool OneOffHasExpired(const Lines& lines, QDate today, const DayWindows& days)
{
    QList<DateLine> judged;
    auto line = lines.cbegin();
    const auto nextLine = [&](QByteArrayView& next) {
        if (line == lines.cend())
            return false;
        next = *line++;
        return true;
    };
    forEachDateLine(nextLine, [&](QByteArrayView key, QByteArrayView value, const QByteArray&) {
        judged.append(judgeDateLine(key.toByteArray(), value.toByteArray(), true, today, days));
    });
    return allDatesPassed(judged, today);
}

OccasionScan::OccasionScan(QDate today, const DayWindows& days, const CheckerTexts& texts)
    : m_today(today)
    , m_days(days)
    , m_texts(&texts)
    , m_quietDays(std::size(kDateLines) * 13 * 32, false)
{
    const int year = today.year();
    for (const DateLineKind& kind : kDateLines) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                if (QDate::isValid(year, month, day))
                    m_quietDays[quietDayIndex(kind, month, day)] =
                        judgeYearly(today, QDate(year, month, day), days.*kind.before, days.*kind.after).window ==
                        Window::None;
            }
        }
    }
}

void OccasionScan::ProcessPersonFile(const QString& fileName)
{
    if (const auto content = readBytes(CurrentFolder + fileName))
        ProcessPersonContent(*content, fileName);
}

void OccasionScan::ProcessPersonContent(QByteArrayView content, const QString& fileName)
{
    processContent(content, kindOfFileName(fileName) == EntryKind::OneOff, [&] { return CurrentFolder + fileName; });
}

void OccasionScan::ProcessPersonContent(QByteArrayView content, const StoredEntryFile& file)
{
    // Most files list nothing: their names are decoded only for what is listed or deleted.
    QString path;
    processContent(content, file.kind == EntryKind::OneOff, [&] {
        if (path.isEmpty())
            path = CurrentFolder + QFile::decodeName(file.name);
        return path;
    });
}

template <typename PathOf> void OccasionScan::processContent(QByteArrayView content, bool oneOff, PathOf pathOf)
{
    QList<DateLine> oneOffLines;
    LineCursor lines(content);
    const auto nextLine = [&](QByteArrayView& line) { return lines.next(line); };
    forEachDateLine(nextLine, [&](QByteArrayView key, QByteArrayView value, const QByteArray& name) {
        // A one-off reminder needs all its lines judged to know whether it is done.
        if (!oneOff && writtenOnQuietDay(*dateLineKind(key), value, m_quietDays))
            return;
        const DateLine line = judgeDateLine(key.toByteArray(), value.toByteArray(), oneOff, m_today, m_days);
        if (oneOff)
            oneOffLines.append(line);
        // A one-off reminder's past dates are not listed: once all have passed it is deleted.
        if (line.judged.window == Window::None || (oneOff && line.judged.window == Window::Past))
            return;
        wpis entry = listedEntry(line, name, pathOf(), m_today, *m_texts);
        (line.judged.window == Window::Coming ? ComingList : PastList).append(std::move(entry));
    });
    if (oneOff && allDatesPassed(oneOffLines, m_today))
        ExpiredOneOffs.append({pathOf(), content.toByteArray()});
}
