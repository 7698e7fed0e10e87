#include "entryeditor.h"

#include "numbers.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr char kUnknownYear[] = "????";

QByteArray twoDigits(int number)
{
    return QByteArray::number(number).rightJustified(2, '0');
}

// A group's name is its caption or file value without a leading "&".
QByteArray groupName(const QByteArray& captionOrValue)
{
    return captionOrValue.startsWith('&') ? captionOrValue.mid(1) : captionOrValue;
}

bool holdsGroup(const QList<QByteArray>& fileGroups, const QByteArray& caption)
{
    const QByteArray name = groupName(caption);
    return std::any_of(fileGroups.cbegin(), fileGroups.cend(),
                       [&](const QByteArray& value) { return groupName(value) == name; });
}

// A list without a choice counts as its first item.
int itemNumber(int index)
{
    return index < 0 ? 1 : index + 1;
}

} // namespace

YearField NormalizeYearField(const QByteArray& text)
{
    if (text == kUnknownYear)
        return {text, true};
    if (text.isEmpty())
        return {kUnknownYear, true};
    const std::optional<std::int32_t> n = toDecimalInteger(text);
    if (!n)
        return {text, false};
    // Four digits stay as typed ("0024" too); a sign makes them no year yet ("-123" gives 1877).
    if (text.size() == 4 && std::isdigit(static_cast<unsigned char>(text[0])))
        return {text, true};
    const std::int64_t year = (*n <= 24 ? 2000 : 1900) + std::int64_t(*n);
    if (year < 1000 || year > 9999)
        return {text, false};
    return {QByteArray::number(year), true};
}

bool dateMayBeInvalid(DaySelection date, const QByteArray& yearText)
{
    if (date.day < 0 || date.month < 0)
        return false;
    const std::int32_t year = std::uint16_t(toDecimalInteger(yearText).value_or(2004));
    return year < 1 || year > 9999 || !QDate::isValid(year, date.month + 1, date.day + 1);
}

QByteArray dayMonth(DaySelection date)
{
    return twoDigits(itemNumber(date.day)) + '.' + twoDigits(itemNumber(date.month));
}

std::optional<QByteArray> birthdayValue(DaySelection date, const YearField& year)
{
    if (!year.valid)
        return dayMonth(date) + '.' + kUnknownYear;
    if (date.day < 0 || date.month < 0)
        return std::nullopt;
    return dayMonth(date) + '.' + year.text;
}

QByteArray occasionItem(DaySelection date, const YearField& year, const QByteArray& description)
{
    return dayMonth(date) + '.' + (year.valid ? year.text : QByteArray(kUnknownYear)) + '-' + description;
}

MailProblem mailProblem(const QByteArray& address)
{
    if (!address.contains('@'))
        return MailProblem::NoAt;
    if (!address.contains('.'))
        return MailProblem::NoDot;
    return MailProblem::None;
}

const QList<QuickDateItem>& quickDateItems()
{
    using K = QuickDateItem::Kind;
    static const QList<QuickDateItem> items = {
        {"ostatni(a)", K::Header, false},
        {"", K::Separator, false},
        {"poniedziałek", K::Date, false},
        {"wtorek", K::Date, false},
        {"środa", K::Date, false},
        {"czwartek", K::Date, false},
        {"piątek", K::Date, false},
        {"sobota", K::Date, false},
        {"niedziela", K::Date, false},
        {"Wczoraj", K::Date, true},
        {"Przedwczoraj", K::Date, false},
        {"3 dni temu", K::Date, false},
        {"4 dni temu", K::Date, false},
        {"5 dni temu", K::Date, false},
        {"6 dni temu", K::Date, false},
        {"tydzień temu", K::Date, false},
        {"miesiąc temu", K::Date, false},
        {"rok temu", K::Date, false},
        {"Dzisiaj", K::Date, true},
        {"Jutro", K::Date, true},
        {"Pojutrze", K::Date, false},
        {"za 3 dni", K::Date, false},
        {"za 4 dni", K::Date, false},
        {"za 5 dni", K::Date, false},
        {"za 6 dni", K::Date, false},
        {"za tydzień", K::Date, false},
        {"za miesiąc", K::Date, false},
        {"za rok", K::Date, false},
        {"w najbliższy(ą)", K::Header, true},
        {"", K::Separator, false},
        {"poniedziałek", K::Date, false},
        {"wtorek", K::Date, false},
        {"środę", K::Date, false},
        {"czwartek", K::Date, false},
        {"piątek", K::Date, false},
        {"sobotę", K::Date, false},
        {"niedzielę", K::Date, false},
    };
    return items;
}

std::optional<CalendarDay> quickDate(int index, QDate today)
{
    const auto day = [](QDate d) { return CalendarDay{d.year(), d.month(), d.day()}; };
    const int weekday = today.dayOfWeek(); // 1 Monday .. 7 Sunday
    if (index >= 2 && index <= 8) {
        const int k = index - 1;
        return day(today.addDays(-(weekday > k ? weekday - k : weekday - k + 7)));
    }
    if (index >= 9 && index <= 15)
        return day(today.addDays(-(index - 8)));
    if (index == 16)
        return today.month() == 1 ? CalendarDay{today.year() - 1, 12, today.day()}
                                  : CalendarDay{today.year(), today.month() - 1, today.day()};
    if (index == 17)
        return CalendarDay{today.year() - 1, today.month(), today.day()};
    if (index == 18)
        return day(today);
    if (index >= 19 && index <= 25)
        return day(today.addDays(index - 18));
    if (index == 26)
        return today.month() == 12 ? CalendarDay{today.year() + 1, 1, today.day()}
                                   : CalendarDay{today.year(), today.month() + 1, today.day()};
    if (index == 27)
        return CalendarDay{today.year() + 1, today.month(), today.day()};
    if (index >= 30 && index <= 36) {
        const int k = index - 29;
        return day(today.addDays(weekday < k ? k - weekday : k - weekday + 7));
    }
    return std::nullopt;
}

EntryGroupMenu EntryGroupMenu::forNewEntry(const GroupFilterMenu& filter)
{
    return forEditedEntry(filter, {}, EntryKind::Person);
}

EntryGroupMenu EntryGroupMenu::forEditedEntry(const GroupFilterMenu& filter, const QList<QByteArray>& fileGroups,
                                              EntryKind kind)
{
    EntryGroupMenu menu;
    const QList<GroupFilterMenu::Item>& source = filter.items();
    for (qsizetype i = 0; i < source.size(); ++i) {
        Item item;
        item.caption = source[i].caption;
        // The fixed items are told by their place: their captions follow the language.
        switch (i) {
        case OneOffs:
            item.checked = kind == EntryKind::OneOff;
            item.enabled = false;
            break;
        case Bin:
            item.checked = kind == EntryKind::Binned;
            item.enabled = false;
            break;
        case Separator:
            item.autoCheck = false;
            break;
        case All:
            item.checked = true;
            item.enabled = false;
            break;
        default:
            // Compared without the "&" on either side: the save writes the name without it, so a
            // caption "&Rodzina" must find the value "Rodzina" it wrote, or the next save drops it.
            item.checked = holdsGroup(fileGroups, item.caption);
            break;
        }
        menu.items.append(item);
    }
    return menu;
}

QList<QByteArray> EntryGroupMenu::checkedGroups() const
{
    QList<QByteArray> groups;
    for (qsizetype i = FirstGroup; i < items.size(); ++i) {
        if (items[i].checked)
            groups.append(groupName(items[i].caption));
    }
    return groups;
}

QList<MarkedGroup> EntryGroupMenu::markedGroups() const
{
    QList<MarkedGroup> groups;
    for (qsizetype i = FirstGroup; i < items.size(); ++i)
        groups.append({items[i].caption, items[i].checked});
    return groups;
}
