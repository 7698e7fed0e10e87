#include "entryeditor.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(NormalizeYearField, CompletesShortYearsAndRefusesWhatIsNoFourDigitYear)
{
    struct Case {
        const char* text;
        const char* expected;
        bool valid;
    };
    const Case cases[] = {
        {"????", "????", true},
        {"", "????", true},
        {"7", "2007", true},
        {"5", "2005", true},
        {"24", "2024", true},
        {"25", "1925", true},
        {"99", "1999", true},
        {"-5", "1995", true},
        {"123", "2023", true},
        {"00024", "2024", true},
        {"1990", "1990", true},
        {"0024", "0024", true},
        {"abc", "abc", false},
        {"19x0", "19x0", false},
        {"?", "?", false},
        // These would come out as 14245 and 0, which shift every later character of a date.
        {"12345", "12345", false},
        {"-2000", "-2000", false},
        {"99999999999", "99999999999", false},
        // A year is decimal: hexadecimal and blanks are no year, a sign is no digit.
        {"$7E0", "$7E0", false},
        {"0x10", "0x10", false},
        {" 123", " 123", false},
        {"123 ", "123 ", false},
        {"+", "+", false},
        {"-123", "1877", true},
        {"+099", "1999", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeYearField(c.text), (YearField{c.expected, c.valid})) << c.text;
}

TEST(DateWarning, ShowsForNoCalendarDateWithTheLeapYearWhenNoYearIsGiven)
{
    struct Case {
        int day, month; // item indexes
        const char* year;
        bool warning;
    };
    const Case cases[] = {
        {30, 1, "", true},                              // 31 lutego
        {28, 1, "", false},                             // 29 lutego without a year counts as 2004
        {28, 1, "????", false},                         // the same
        {28, 1, "2003", true},  {28, 1, "19x0", false}, // no integer: 2004
        {28, 1, "$7D3", false},                         // no decimal integer either (2003 in hexadecimal)
        {30, 3, "1990", true},                          // 31 kwietnia
        {0, 0, "65536", true},                          // cut to 16 bits the year is 0
        {-1, 1, "", false},                             // nothing to warn about until both are chosen
        {30, -1, "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dateMayBeInvalid({c.day, c.month}, c.year), c.warning) << c.day << "." << c.month << "." << c.year;
}

TEST(DateValues, WriteTwoDigitsAndTheUnknownYear)
{
    EXPECT_EQ(dayMonth({4, 10}), "05.11");
    EXPECT_EQ(dayMonth({-1, -1}), "01.01") << "a name day switched on without a choice";
    EXPECT_EQ(dayMonth({30, -1}), "31.01");

    struct Case {
        DaySelection date;
        YearField year;
        std::optional<QByteArray> birthday;
        const char* occasion;
    };
    const Case cases[] = {
        {{4, 10}, {"1980", true}, "05.11.1980", "05.11.1980-Opis"},
        {{4, 10}, {"????", true}, "05.11.????", "05.11.????-Opis"},
        {{4, 10}, {"19x0", false}, "05.11.????", "05.11.????-Opis"},
        {{-1, 10}, {"1980", true}, std::nullopt, "01.11.1980-Opis"},
        {{-1, -1}, {"19x0", false}, "01.01.????", "01.01.????-Opis"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(birthdayValue(c.date, c.year), c.birthday) << c.year.text.constData();
        EXPECT_EQ(occasionItem(c.date, c.year, "Opis"), c.occasion);
    }
    // The description may hold hyphens; it starts at character 12 all the same.
    EXPECT_EQ(splitDate(occasionItem({0, 4}, {"????", true}, cp("Dzień-Pracy"))).description, cp("Dzień-Pracy"));
}

TEST(MailProblem, NeedsAnAtAndADot)
{
    struct Case {
        const char* address;
        MailProblem problem;
    };
    const Case cases[] = {
        {"jan@example.org", MailProblem::None}, {"jan@localhost", MailProblem::NoDot},
        {"jan.example.org", MailProblem::NoAt}, {"jan", MailProblem::NoAt},
        {"a.b@c", MailProblem::None}, // a dot anywhere will do
    };
    for (const Case& c : cases)
        EXPECT_EQ(mailProblem(c.address), c.problem) << c.address;
}

TEST(QuickDate, StepsFromTodayByTheMenuItem)
{
    const QDate monday(2024, 1, 15);
    const QDate sunday(2024, 1, 21);
    struct Case {
        const char* caption;
        int index;
        QDate today;
        CalendarDay expected;
    };
    const Case cases[] = {
        {"poniedziałek", 2, monday, {2024, 1, 8}}, // on a Monday the last Monday is a week back
        {"niedziela", 8, monday, {2024, 1, 14}},
        {"środa", 4, sunday, {2024, 1, 17}},
        {"Wczoraj", 9, monday, {2024, 1, 14}},
        {"tydzień temu", 15, QDate(2024, 3, 3), {2024, 2, 25}},
        {"miesiąc temu", 16, QDate(2024, 3, 31), {2024, 2, 31}}, // the day number is kept
        {"miesiąc temu", 16, QDate(2024, 1, 10), {2023, 12, 10}},
        {"rok temu", 17, QDate(2024, 2, 29), {2023, 2, 29}},
        {"Dzisiaj", 18, monday, {2024, 1, 15}},
        {"Jutro", 19, QDate(2023, 12, 31), {2024, 1, 1}},
        {"za tydzień", 25, monday, {2024, 1, 22}},
        {"za miesiąc", 26, QDate(2023, 12, 15), {2024, 1, 15}},
        {"za rok", 27, monday, {2025, 1, 15}},
        {"poniedziałek", 30, monday, {2024, 1, 22}}, // on a Monday the next Monday is a week ahead
        {"poniedziałek", 30, sunday, {2024, 1, 22}},
        {"niedzielę", 36, sunday, {2024, 1, 28}},
        {"piątek", 34, monday, {2024, 1, 19}},
    };
    const QList<QuickDateItem>& items = quickDateItems();
    ASSERT_EQ(items.size(), 37);
    for (const Case& c : cases) {
        EXPECT_STREQ(items[c.index].caption, c.caption) << c.index;
        EXPECT_EQ(quickDate(c.index, c.today), c.expected) << c.caption << " " << c.index;
    }
    for (const int index : {0, 1, 28, 29, 37, -1})
        EXPECT_EQ(quickDate(index, monday), std::nullopt) << index;
}

class EntryGroupMenuTest : public ::testing::Test {
protected:
    EntryGroupMenuTest()
    {
        filter.addGroup("Praca", "Wszystko");
        filter.addGroup("&Rodzina", "Wszystko");
        filter.addGroup("Sport", "Wszystko");
    }

    static QList<QByteArray> checkedCaptions(const EntryGroupMenu& menu)
    {
        QList<QByteArray> checked;
        for (const EntryGroupMenu::Item& item : menu.items) {
            if (item.checked)
                checked << item.caption;
        }
        return checked;
    }

    GroupFilterMenu filter;
};

TEST_F(EntryGroupMenuTest, NewEntryBelongsToNoGroupAndTheFixedItemsCannotBeClicked)
{
    const EntryGroupMenu menu = EntryGroupMenu::forNewEntry(filter);
    ASSERT_EQ(menu.items.size(), 7);
    EXPECT_EQ(checkedCaptions(menu), QList<QByteArray>{"Wszystko"});
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(menu.items[i].enabled, i == EntryGroupMenu::Separator) << i;
    EXPECT_FALSE(menu.items[EntryGroupMenu::Separator].autoCheck);
    EXPECT_TRUE(menu.items[4].enabled && menu.items[4].autoCheck);
    EXPECT_TRUE(menu.checkedGroups().isEmpty());
}

TEST_F(EntryGroupMenuTest, EditedEntryHasTheGroupsOfItsFileAndItsKind)
{
    struct Case {
        QList<QByteArray> fileGroups;
        EntryKind kind;
        QList<QByteArray> checked;
        QList<QByteArray> saved;
    };
    const Case cases[] = {
        // "&" before the name in the file or in the menu is no part of the group.
        {{"Rodzina", "Sport"}, EntryKind::Person, {"Wszystko", "&Rodzina", "Sport"}, {"Rodzina", "Sport"}},
        {{"&Praca"}, EntryKind::Person, {"Wszystko", "Praca"}, {"Praca"}},
        // Another letter case is another group; a group the menu lacks is not offered.
        {{"praca", "Inna"}, EntryKind::Person, {"Wszystko"}, {}},
        {{}, EntryKind::OneOff, {"Jednorazowe przypomnienie", "Wszystko"}, {}},
        {{"Sport"}, EntryKind::Binned, {"Wykasowane", "Wszystko", "Sport"}, {"Sport"}},
    };
    for (const Case& c : cases) {
        const EntryGroupMenu menu = EntryGroupMenu::forEditedEntry(filter, c.fileGroups, c.kind);
        EXPECT_EQ(checkedCaptions(menu), c.checked) << c.fileGroups.join(',').constData();
        EXPECT_EQ(menu.checkedGroups(), c.saved) << c.fileGroups.join(',').constData();
    }
}

TEST_F(EntryGroupMenuTest, TheGroupDialogListsTheGroupsMarkedWhenChecked)
{
    const EntryGroupMenu menu = EntryGroupMenu::forEditedEntry(filter, {"Sport"}, EntryKind::Person);
    EXPECT_EQ(menu.markedGroups(), (QList<MarkedGroup>{{"Praca", false}, {"&Rodzina", false}, {"Sport", true}}));
}

} // namespace
