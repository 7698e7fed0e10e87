#include "occasions.h"

#include "codec1250.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

std::string utf8(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes).toStdString();
}

// The key of the date line an occasion was read from.
std::string keyOf(OccasionKind kind)
{
    const char* const keys[] = {"imieniny", "urodziny", "impreza"};
    return keys[int(kind)];
}

// What one date line gives: "none", "expired", or "coming|EntryText|Year" / "past|EntryText|Year".
std::string judge(QDate today, const QString& fileName, const char* line, const DayWindows& days = {})
{
    const CheckerTexts texts;
    OccasionScan scan(today, days, texts);
    scan.CurrentFolder = "/dane/";
    scan.ProcessPersonContent(crlf({"<$@$>nazwisko</$@$>Ala", line}), fileName);
    const qsizetype found = scan.ComingList.size() + scan.PastList.size() + scan.ExpiredOneOffs.size();
    if (found == 0)
        return "none";
    if (found > 1)
        return "more than one result";
    if (!scan.ExpiredOneOffs.isEmpty())
        return scan.ExpiredOneOffs.first().path == "/dane/" + fileName ? "expired" : "expired under another path";
    const bool coming = !scan.ComingList.isEmpty();
    const wpis& e = coming ? scan.ComingList.first() : scan.PastList.first();
    return (coming ? "coming|" : "past|") + utf8(e.EntryText) + '|' + utf8(e.Year);
}

struct Case {
    const char* name;
    QDate today;
    const char* line;
    const char* expected;
};

template <std::size_t N> void checkAll(const Case (&cases)[N], const QString& fileName, const DayWindows& days = {})
{
    for (const Case& c : cases)
        EXPECT_EQ(judge(c.today, fileName, c.line, days), c.expected)
            << c.name << " on " << c.today.toString("dd.MM.yyyy").toStdString();
}

TEST(Occasions, AreComingWithinTheDaysBeforeAndPastWithinTheDaysAfter)
{
    const Case cases[] = {
        {"birthday today", QDate(2026, 12, 8), "<$@$>urodziny</$@$>08.12.????",
         "coming|Urodziny (08 grudnia) - To dzisiaj!!!|????"},
        {"occasion Before days ahead", QDate(2026, 6, 8), "<$@$>impreza</$@$>15.06.2000-Rocznica ślubu",
         "coming|Rocznica ślubu (15 czerwca) - zostało 7 dni|2000"},
        {"occasion Before + 1 days ahead", QDate(2026, 6, 7), "<$@$>impreza</$@$>15.06.2000-Rocznica ślubu", "none"},
        {"occasion After days ago", QDate(2026, 6, 18), "<$@$>impreza</$@$>15.06.2000-Rocznica ślubu",
         "past|Rocznica ślubu (15 czerwca)|2000"},
        {"occasion After + 1 days ago", QDate(2026, 6, 19), "<$@$>impreza</$@$>15.06.2000-Rocznica ślubu", "none"},
        {"one day left", QDate(2026, 3, 4), "<$@$>imieniny</$@$>05.03",
         "coming|Imieniny (05 marca) - Został 1 dzień.|"},
        {"three days left", QDate(2026, 3, 2), "<$@$>imieniny</$@$>05.03",
         "coming|Imieniny (05 marca) - zostały 3 dni|"},
        {"four days left", QDate(2026, 3, 1), "<$@$>imieniny</$@$>05.03",
         "coming|Imieniny (05 marca) - zostały 4 dni|"},
        {"five days left", QDate(2026, 2, 28), "<$@$>imieniny</$@$>05.03",
         "coming|Imieniny (05 marca) - zostało 5 dni|"},
        {"label and day as written", QDate(2026, 3, 10), "<$@$>urodziny</$@$> 9.03.1990",
         "past|Urodziny ( 9 marca)|1990"},
        {"hexadecimal day", QDate(2026, 3, 10), "<$@$>urodziny</$@$>$A.03.????",
         "coming|Urodziny ($A marca) - To dzisiaj!!!|????"},
    };
    checkAll(cases, "1-2-3.wps");
}

TEST(Occasions, CrossTheNewYearBothWays)
{
    const Case cases[] = {
        // The age shown is CurrentYear - Year: 47 at the coming birthday, 46 at the one just passed.
        {"birthday early next year", QDate(2026, 12, 28), "<$@$>urodziny</$@$>02.01.1980",
         "coming|Urodziny (02 stycznia) - zostało 5 dni|1979"},
        {"without a year", QDate(2026, 12, 28), "<$@$>urodziny</$@$>02.01.????",
         "coming|Urodziny (02 stycznia) - zostało 5 dni|????"},
        {"birthday late last year", QDate(2027, 1, 2), "<$@$>urodziny</$@$>31.12.1980",
         "past|Urodziny (31 grudnia)|1981"},
        {"name day late last year", QDate(2027, 1, 2), "<$@$>imieniny</$@$>31.12", "past|Imieniny (31 grudnia)|"},
        {"occasion late last year", QDate(2027, 1, 2), "<$@$>impreza</$@$>31.12.????-Sylwester",
         "past|Sylwester (31 grudnia)|????"},
        {"Before days ahead", QDate(2026, 12, 27), "<$@$>urodziny</$@$>03.01.1990",
         "coming|Urodziny (03 stycznia) - zostało 7 dni|1989"},
        {"Before + 1 days ahead", QDate(2026, 12, 26), "<$@$>urodziny</$@$>03.01.1990", "none"},
        {"After days ago", QDate(2027, 1, 2), "<$@$>imieniny</$@$>30.12", "past|Imieniny (30 grudnia)|"},
        {"After + 1 days ago", QDate(2027, 1, 3), "<$@$>imieniny</$@$>30.12", "none"},
        {"in a leap year", QDate(2028, 12, 28), "<$@$>urodziny</$@$>02.01.1980",
         "coming|Urodziny (02 stycznia) - zostało 5 dni|1979"},
        {"into a leap year", QDate(2027, 12, 28), "<$@$>urodziny</$@$>02.01.1980",
         "coming|Urodziny (02 stycznia) - zostało 5 dni|1979"},
        {"out of a leap year", QDate(2029, 1, 2), "<$@$>urodziny</$@$>31.12.1980", "past|Urodziny (31 grudnia)|1981"},
    };
    checkAll(cases, "1-2-3.wps");
}

TEST(Occasions, DatesThatDoNotExistFallDueOnTheFollowingDay)
{
    const Case cases[] = {
        {"29.02 in a leap year", QDate(2028, 2, 29), "<$@$>imieniny</$@$>29.02",
         "coming|Imieniny (29 lutego) - To dzisiaj!!!|"},
        {"29.02 the day before 1 March", QDate(2026, 2, 28), "<$@$>imieniny</$@$>29.02",
         "coming|Imieniny (29 lutego) - Został 1 dzień.|"},
        {"29.02 on 1 March", QDate(2026, 3, 1), "<$@$>imieniny</$@$>29.02",
         "coming|Imieniny (29 lutego) - To dzisiaj!!!|"},
        {"29.02 after 1 March", QDate(2026, 3, 2), "<$@$>imieniny</$@$>29.02", "past|Imieniny (29 lutego)|"},
        {"31.04 on 1 May", QDate(2026, 5, 1), "<$@$>urodziny</$@$>31.04.1990",
         "coming|Urodziny (31 kwietnia) - To dzisiaj!!!|1990"},
        {"30.02 on 2 March", QDate(2026, 3, 2), "<$@$>urodziny</$@$>30.02.????",
         "coming|Urodziny (30 lutego) - To dzisiaj!!!|????"},
        {"32.01 two days ahead", QDate(2026, 1, 30), "<$@$>urodziny</$@$>32.01.????",
         "coming|Urodziny (32 stycznia) - zostały 2 dni|????"},
        {"32.12 on New Year's Day", QDate(2027, 1, 1), "<$@$>urodziny</$@$>32.12.????",
         "coming|Urodziny (32 grudnia) - To dzisiaj!!!|????"},
        {"32.12 on New Year's Eve", QDate(2026, 12, 31), "<$@$>urodziny</$@$>32.12.????",
         "coming|Urodziny (32 grudnia) - Został 1 dzień.|????"},
        // Up to three days on: these need the third.
        {"31.02 of a common year on 3 March", QDate(2027, 3, 3), "<$@$>imieniny</$@$>31.02",
         "coming|Imieniny (31 lutego) - To dzisiaj!!!|"},
        {"31.02 of a leap year on 2 March", QDate(2028, 3, 2), "<$@$>imieniny</$@$>31.02",
         "coming|Imieniny (31 lutego) - To dzisiaj!!!|"},
        {"34.12 on 3 January", QDate(2027, 1, 3), "<$@$>urodziny</$@$>34.12.????",
         "coming|Urodziny (34 grudnia) - To dzisiaj!!!|????"},
        {"34.12 two days after 3 January", QDate(2027, 1, 5), "<$@$>impreza</$@$>34.12.????-Po Nowym Roku",
         "past|Po Nowym Roku (34 grudnia)|????"},
        {"33.11 on 3 December", QDate(2026, 12, 3), "<$@$>imieniny</$@$>33.11",
         "coming|Imieniny (33 listopada) - To dzisiaj!!!|"},
        {"34.11 does not exist", QDate(2026, 12, 4), "<$@$>imieniny</$@$>34.11", "none"},
        // The day part is what stands around the first dot: "12" and ".2026"; it reads 12 and
        // falls due on 12 March.
        {"name day written with a year", QDate(2026, 3, 10), "<$@$>imieniny</$@$>12.03.2026",
         "coming|Imieniny (12.2026 marca) - zostały 2 dni|"},
    };
    checkAll(cases, "1-2-3.wps");
}

TEST(Occasions, DatesThatCannotBePlacedGiveNothing)
{
    const Case cases[] = {
        {"day 0", QDate(2026, 5, 1), "<$@$>urodziny</$@$>00.05.1990", "none"},
        {"month 0", QDate(2026, 1, 5), "<$@$>urodziny</$@$>05.00.1990", "none"},
        {"negative day", QDate(2026, 5, 1), "<$@$>urodziny</$@$>-5.05.1990", "none"},
        {"month 13", QDate(2026, 12, 31), "<$@$>urodziny</$@$>05.13.1990", "none"},
        {"day 35", QDate(2026, 2, 1), "<$@$>urodziny</$@$>35.01.1990", "none"},
        {"day 99 of December", QDate(2026, 12, 31), "<$@$>impreza</$@$>99.12.????-x", "none"},
        {"letters", QDate(2026, 1, 1), "<$@$>imieniny</$@$>ab.cd", "none"},
        {"digit and letter", QDate(2026, 1, 1), "<$@$>imieniny</$@$>1x.01", "none"},
        {"empty value", QDate(2026, 1, 1), "<$@$>impreza</$@$>", "none"},
    };
    checkAll(cases, "1-2-3.wps");
}

TEST(Occasions, DaysTextsCoverTwoWeeks)
{
    DayWindows wide;
    wide.DaysBeforeOccasion = 20;
    wide.DaysAfterOccasion = 20;
    const Case cases[] = {
        {"14 days ahead", QDate(2026, 6, 1), "<$@$>impreza</$@$>15.06.????-Zjazd",
         "coming|Zjazd (15 czerwca) - zostało 14 dni|????"},
        {"15 days ahead: listed without a text", QDate(2026, 5, 31), "<$@$>impreza</$@$>15.06.????-Zjazd",
         "coming||????"},
        {"14 days ago", QDate(2026, 6, 29), "<$@$>impreza</$@$>15.06.????-Zjazd", "past|Zjazd (15 czerwca)|????"},
        {"15 days ago: listed without a text", QDate(2026, 6, 30), "<$@$>impreza</$@$>15.06.????-Zjazd", "past||????"},
    };
    checkAll(cases, "1-2-3.wps", wide);
}

TEST(Occasions, OneOffRemindersRecurFromTheirOwnDateOn)
{
    const Case cases[] = {
        {"a year ahead", QDate(2026, 6, 16), "<$@$>impreza</$@$>15.06.2027-Przegląd", "none"},
        {"late this year", QDate(2026, 1, 2), "<$@$>impreza</$@$>31.12.2026-Bal", "none"},
        {"Before days ahead", QDate(2026, 12, 1), "<$@$>impreza</$@$>08.12.2026-Bal",
         "coming|Bal (08 grudnia) - zostało 7 dni|2026"},
        {"Before + 1 days ahead", QDate(2026, 11, 30), "<$@$>impreza</$@$>08.12.2026-Bal", "none"},
        {"today", QDate(2026, 12, 8), "<$@$>impreza</$@$>08.12.2026-Bal",
         "coming|Bal (08 grudnia) - To dzisiaj!!!|2026"},
        {"yesterday", QDate(2026, 12, 9), "<$@$>impreza</$@$>08.12.2026-Bal", "expired"},
        {"After days ago", QDate(2026, 12, 11), "<$@$>impreza</$@$>08.12.2026-Bal", "expired"},
        {"After + 1 days ago", QDate(2026, 12, 12), "<$@$>impreza</$@$>08.12.2026-Bal", "none"},
        // The count shown, CurrentYear - Year, is 0 at the reminder's own date.
        {"early next year", QDate(2026, 12, 28), "<$@$>impreza</$@$>03.01.2027-Bal",
         "coming|Bal (03 stycznia) - zostało 6 dni|2026"},
        {"late last year", QDate(2027, 1, 2), "<$@$>urodziny</$@$>31.12.2026", "expired"},
        {"29.02 of a common year on 1 March", QDate(2027, 3, 1), "<$@$>impreza</$@$>29.02.2027-Bal",
         "coming|Bal (29 lutego) - To dzisiaj!!!|2027"},
        {"29.02 of a common year after 1 March", QDate(2027, 3, 2), "<$@$>impreza</$@$>29.02.2027-Bal", "expired"},
        {"day 0", QDate(2026, 5, 2), "<$@$>impreza</$@$>00.05.2026-Bal", "none"},
        // 32.12.2027 is 1 January 2028: January 2027 is a year early.
        {"32.12 of this year on New Year's Day", QDate(2027, 1, 1), "<$@$>impreza</$@$>32.12.2027-Bal", "none"},
        {"32.12 of this year just after New Year's Day", QDate(2027, 1, 3), "<$@$>impreza</$@$>32.12.2027-Bal", "none"},
        {"32.12 of this year on New Year's Eve", QDate(2027, 12, 31), "<$@$>impreza</$@$>32.12.2027-Bal",
         "coming|Bal (32 grudnia) - Został 1 dzień.|2026"},
        {"32.12 of last year just after New Year's Day", QDate(2027, 1, 3), "<$@$>impreza</$@$>32.12.2026-Bal",
         "expired"},
        // Once its year has come, a reminder that was not deleted in time recurs like any date: it
        // is announced before the same day and month and deleted after it.
        {"an earlier year, Before days ahead", QDate(2027, 6, 11), "<$@$>impreza</$@$>18.06.2026-Rata",
         "coming|Rata (18 czerwca) - zostało 7 dni|2026"},
        {"an earlier year, just passed", QDate(2027, 6, 19), "<$@$>impreza</$@$>18.06.2026-Rata", "expired"},
        {"an earlier year, long passed", QDate(2027, 6, 25), "<$@$>impreza</$@$>18.06.2026-Rata", "none"},
        {"this year, early January, seen in late December", QDate(2026, 12, 28), "<$@$>impreza</$@$>02.01.2026-Rata",
         "coming|Rata (02 stycznia) - zostało 5 dni|2025"},
        {"a birthday", QDate(2026, 12, 8), "<$@$>urodziny</$@$>10.12.1990",
         "coming|Urodziny (10 grudnia) - zostały 2 dni|1990"},
        {"a birthday just passed", QDate(2026, 12, 12), "<$@$>urodziny</$@$>10.12.1990", "expired"},
    };
    checkAll(cases, "1-2-3.wpj");
}

TEST(Occasions, OneOffRemindersWithoutAYearRecurLikeTheOthers)
{
    const Case cases[] = {
        {"two days ago", QDate(2026, 12, 8), "<$@$>impreza</$@$>06.12.????-Bal", "expired"},
        {"ten days ago", QDate(2026, 12, 8), "<$@$>impreza</$@$>28.11.????-Bal", "none"},
        {"late last year", QDate(2027, 1, 2), "<$@$>impreza</$@$>31.12.????-Bal", "expired"},
        {"today", QDate(2026, 12, 8), "<$@$>impreza</$@$>08.12.????-Bal",
         "coming|Bal (08 grudnia) - To dzisiaj!!!|????"},
        {"name day", QDate(2026, 12, 8), "<$@$>imieniny</$@$>06.12", "expired"},
    };
    checkAll(cases, "1-2-3.wpj");
    checkAll(cases, "1-2-3.WPJ");
}

// A person's date line written as the program writes it is judged in place by a table of this
// year's days; a one-off reminder without a year of its own is judged line by line in full, by the
// same yearly rule. Over every day and month, and days around the year's ends, both agree: what is
// coming is listed alike, and what has just passed is listed for a person and deletes the reminder.
TEST(Occasions, WrittenDatesAreJudgedAlikeInPlaceAndInFull)
{
    DayWindows uneven;
    uneven.DaysBeforeNameDay = 0;
    uneven.DaysAfterNameDay = 14;
    uneven.DaysBeforeBirthday = 14;
    uneven.DaysAfterBirthday = 0;
    uneven.DaysBeforeOccasion = 30;
    uneven.DaysAfterOccasion = 3;
    // 5 February: "33.01" falls due on 2 February, just past, while 1 February is not listed.
    for (const QDate today : {QDate(2027, 1, 1), QDate(2028, 2, 29), QDate(2026, 12, 31), QDate(2026, 2, 5)}) {
        for (const DayWindows& days : {DayWindows(), uneven}) {
            for (int month = 1; month <= 12; ++month) {
                // Days 32 to 34 fall due after the month's end.
                for (int day = 1; day <= 34; ++day) {
                    const QByteArray date =
                        QByteArray::number(100 + day).mid(1) + '.' + QByteArray::number(100 + month).mid(1);
                    for (const QByteArray& line : {"<$@$>imieniny</$@$>" + date, "<$@$>urodziny</$@$>" + date + ".????",
                                                   "<$@$>impreza</$@$>" + date + ".????-Wyjazd"}) {
                        std::string person = judge(today, "a.wps", line.constData(), days);
                        if (person.starts_with("past|"))
                            person = "expired";
                        EXPECT_EQ(person, judge(today, "a.wpj", line.constData(), days))
                            << line.toStdString() << " on " << today.toString("dd.MM.yyyy").toStdString();
                    }
                }
            }
        }
    }
}

TEST(Occasions, EachDateLineOfAFileIsJudgedWithTheNameReadBeforeIt)
{
    const CheckerTexts texts;
    OccasionScan scan(QDate(2026, 12, 8), DayWindows(), texts);
    scan.CurrentFolder = "/dane/";
    scan.ProcessPersonContent(crlf({
                                  "<$@$>impreza</$@$>08.12.????-Bez nazwiska",
                                  "<$@$>nazwisko</$@$>Kowalska Ala",
                                  "<$@$>urodziny</$@$>09.12.1990",
                                  "<$@$>imieniny</$@$>00.12",
                                  "<$@$>Nazwisko</$@$>Nie klucz",
                                  "imieniny 08.12 bez znaczników",
                                  "<$@$>nazwisko</$@$>Nowak Ola",
                                  "<$@$>impreza</$@$>06.12.2000-Rocznica",
                                  "<$@$>impreza</$@$>10.12.2000-Spotkanie",
                              }),
                              "Osoba.WPS");
    const auto rows = [](const QList<wpis>& list) {
        QList<std::string> out;
        for (const wpis& e : list)
            out.append(utf8(e.Name) + '|' + keyOf(e.Kind) + '|' + utf8(e.Year) + '|' + e.Path.toStdString());
        return out;
    };
    EXPECT_EQ(rows(scan.ComingList), (QList<std::string>{
                                         "|impreza|????|/dane/Osoba.WPS",
                                         "Kowalska Ala|urodziny|1990|/dane/Osoba.WPS",
                                         "Nowak Ola|impreza|2000|/dane/Osoba.WPS",
                                     }));
    EXPECT_EQ(rows(scan.PastList), (QList<std::string>{"Nowak Ola|impreza|2000|/dane/Osoba.WPS"}));
    EXPECT_TRUE(scan.ExpiredOneOffs.isEmpty());
}

TEST(Occasions, AOneOffReminderIsDeletedOnlyOnceAllItsDatesHavePassed)
{
    struct FileCase {
        const char* name;
        QDate today;
        std::initializer_list<const char*> dates;
        const char* expected; // "deleted" or "kept", then the coming rows
        DayWindows days = {};
    };
    const QDate dec8(2026, 12, 8);
    const QDate jan2(2027, 1, 2);
    DayWindows threeAndThree;
    threeAndThree.DaysBeforeNameDay = threeAndThree.DaysBeforeBirthday = threeAndThree.DaysBeforeOccasion = 3;
    const FileCase cases[] = {
        {"both passed", dec8, {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>01.12.2026-B"}, "deleted"},
        {"one passed, one later this year",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>20.12.2026-B"},
         "kept"},
        {"one passed, one next year",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>15.01.2027-B"},
         "kept"},
        {"one passed, one on a day of a later leap year",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>29.02.2028-B"},
         "kept"},
        {"one passed, one announced",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>10.12.2026-B"},
         "kept|B"},
        {"one passed, one of an earlier year still to come this year",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>20.12.2020-B"},
         "kept"},
        {"one passed, one of this year long passed",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>15.01.2026-B"},
         "deleted"},
        {"one passed, one that cannot be placed",
         dec8,
         {"<$@$>impreza</$@$>06.12.2026-A", "<$@$>impreza</$@$>00.05.2027-B"},
         "deleted"},
        {"without years: one passed, one later this year",
         dec8,
         {"<$@$>impreza</$@$>06.12.????-A", "<$@$>imieniny</$@$>20.12"},
         "kept"},
        // Dates without a year are read as their occurrence nearest to the one that passed last.
        {"without years: one passed, one nearer next year",
         dec8,
         {"<$@$>impreza</$@$>06.12.????-A", "<$@$>impreza</$@$>15.01.????-B"},
         "kept"},
        {"without years: one passed, one nearer earlier this year",
         dec8,
         {"<$@$>impreza</$@$>06.12.????-A", "<$@$>impreza</$@$>15.07.????-B"},
         "deleted"},
        {"without years: New Year's Eve passed, one ahead in January",
         jan2,
         {"<$@$>impreza</$@$>30.12.????-Sylwester", "<$@$>impreza</$@$>10.01.????-Oddać klucze"},
         "kept"},
        {"the same the other way round",
         jan2,
         {"<$@$>impreza</$@$>10.01.????-Oddać klucze", "<$@$>impreza</$@$>30.12.????-Sylwester"},
         "kept"},
        {"the same with years",
         jan2,
         {"<$@$>impreza</$@$>30.12.2026-Sylwester", "<$@$>impreza</$@$>10.01.2027-Oddać klucze"},
         "kept"},
        {"without years: passed in December, one in January, three days' notice",
         QDate(2027, 12, 30),
         {"<$@$>impreza</$@$>28.12.????-A", "<$@$>impreza</$@$>05.01.????-B"},
         "kept",
         threeAndThree},
        {"and with a name day in January",
         QDate(2027, 12, 30),
         {"<$@$>impreza</$@$>28.12.????-A", "<$@$>imieniny</$@$>05.01"},
         "kept",
         threeAndThree},
        {"the January date passed too",
         QDate(2028, 1, 7),
         {"<$@$>impreza</$@$>28.12.????-A", "<$@$>imieniny</$@$>05.01"},
         "deleted",
         threeAndThree},
        {"passed last December, one ahead this year",
         jan2,
         {"<$@$>impreza</$@$>31.12.2026-A", "<$@$>impreza</$@$>10.01.2027-B"},
         "kept"},
        {"passed last December and on New Year's Day",
         jan2,
         {"<$@$>impreza</$@$>31.12.????-A", "<$@$>impreza</$@$>01.01.????-B"},
         "deleted"},
        {"without years, passed last December and on New Year's Day, one in March",
         jan2,
         {"<$@$>impreza</$@$>31.12.????-A", "<$@$>impreza</$@$>01.01.????-B", "<$@$>impreza</$@$>15.03.????-C"},
         "kept"},
        // 1 June 2027 and 1 June 2028 lie 183 days either side of 1 December 2027.
        {"without years: as near a year before as a year after",
         QDate(2027, 12, 3),
         {"<$@$>impreza</$@$>01.12.????-A", "<$@$>impreza</$@$>01.06.????-B"},
         "kept"},
        {"one of an earlier year, nearer next year",
         jan2,
         {"<$@$>impreza</$@$>31.12.2026-A", "<$@$>impreza</$@$>10.01.2020-B"},
         "kept"},
    };
    for (const FileCase& c : cases) {
        QByteArray content = crlf({"<$@$>nazwisko</$@$>Przypomnienie"});
        for (const char* date : c.dates)
            content += crlf({date});
        const CheckerTexts texts;
        OccasionScan scan(c.today, c.days, texts);
        scan.CurrentFolder = "/dane/";
        scan.ProcessPersonContent(content, "r.wpj");
        std::string outcome = scan.ExpiredOneOffs.isEmpty() ? "kept" : "deleted";
        for (const wpis& e : scan.ComingList)
            outcome += '|' + utf8(e.EntryText.left(1));
        EXPECT_EQ(outcome, c.expected) << c.name;
        EXPECT_TRUE(scan.PastList.isEmpty()) << c.name;
        EXPECT_EQ(OneOffHasExpired(splitLines(content), c.today, c.days), !scan.ExpiredOneOffs.isEmpty()) << c.name;
        if (!scan.ExpiredOneOffs.isEmpty()) {
            EXPECT_EQ(scan.ExpiredOneOffs.size(), 1) << c.name;
            EXPECT_EQ(scan.ExpiredOneOffs.first().path, "/dane/r.wpj") << c.name;
            EXPECT_EQ(scan.ExpiredOneOffs.first().content, content) << c.name;
        }
    }
}

} // namespace

namespace {

// The deletion rule of one-off reminders, stated on its own over days of the calendar, and checked
// on generated reminders and days.
//
// A date line falls due, in a year y, on the first of its month plus its day less one: days up to
// three past the month's end run into the next month. A line with a year has only the occurrences of
// that year and later. It is announced today when one of its occurrences is 0..Before days ahead and
// has just passed when, not announced, one is 1..After days behind; the occurrences of the years
// before and after today's lie one length of today's year from this year's. A reminder is deleted
// when none of its lines is announced, one has just passed, and, reading each line as of the round
// of the one that passed last (the first in the file of those on that day), none is still to come:
// a line whose year is not before the year that passed one fell in is read as its first occurrence,
// any other as its occurrence nearest to the day that passed (the later of two as near).
struct Generated {
    const char* key; // "imieniny", "urodziny" or "impreza"
    int day;
    int month;
    std::optional<int> year;

    QByteArray text() const
    {
        const QByteArray date = QByteArray::number(100 + day).mid(1) + '.' + QByteArray::number(100 + month).mid(1);
        if (qstrcmp(key, "imieniny") == 0)
            return "<$@$>imieniny</$@$>" + date;
        const QByteArray withYear = date + '.' + (year ? QByteArray::number(*year) : QByteArray("????"));
        return "<$@$>" + QByteArray(key) + "</$@$>" + withYear + (qstrcmp(key, "impreza") == 0 ? "-Termin" : "");
    }
    // The occurrence placed in year y, as a day; whether it may count is asked separately.
    std::optional<QDate> placedIn(int y) const
    {
        const QDate first(y, month, 1);
        if (day < 1 || day > first.daysInMonth() + 3)
            return std::nullopt;
        return first.addDays(day - 1);
    }
    bool counts(int placedYear) const { return !year || placedYear >= *year; }
};

struct Judged {
    bool announced = false;
    std::optional<int> passedDaysAgo;
    int passedPlacedIn = 0;
};

Judged judgeGenerated(const Generated& line, QDate today, int before, int after)
{
    Judged judged;
    // This year's occurrence: placed in today's year, or, when that runs into the next, in the last.
    int placed = today.year();
    std::optional<QDate> due = line.placedIn(placed);
    if (due && due->year() > today.year())
        due = line.placedIn(--placed);
    if (!due)
        return judged;
    const int ahead = int(today.daysTo(*due));
    const int D = today.daysInYear();
    const std::pair<int, int> candidates[] = {{ahead, placed}, {ahead + D, placed + 1}, {ahead - D, placed - 1}};
    for (const auto& [days, year] : candidates)
        judged.announced |= line.counts(year) && days >= 0 && days <= before;
    for (const auto& [days, year] : candidates) {
        if (!judged.announced && line.counts(year) && days < 0 && -days <= after) {
            judged.passedDaysAgo = -days;
            judged.passedPlacedIn = year;
        }
    }
    return judged;
}

Judged judgeGenerated(const Generated& line, QDate today, const DayWindows& days)
{
    if (qstrcmp(line.key, "imieniny") == 0)
        return judgeGenerated(line, today, days.DaysBeforeNameDay, days.DaysAfterNameDay);
    if (qstrcmp(line.key, "urodziny") == 0)
        return judgeGenerated(line, today, days.DaysBeforeBirthday, days.DaysAfterBirthday);
    return judgeGenerated(line, today, days.DaysBeforeOccasion, days.DaysAfterOccasion);
}

bool expectedDeleted(const QList<Generated>& lines, QDate today, const DayWindows& days)
{
    std::optional<Judged> last;
    for (const Generated& line : lines) {
        const Judged judged = judgeGenerated(line, today, days);
        if (judged.announced)
            return false;
        if (judged.passedDaysAgo && (!last || *judged.passedDaysAgo < *last->passedDaysAgo))
            last = judged;
    }
    if (!last)
        return false;
    const QDate passed = today.addDays(-*last->passedDaysAgo);
    for (const Generated& line : lines) {
        std::optional<QDate> reading;
        if (line.year && *line.year >= last->passedPlacedIn) {
            for (int y = *line.year; y < *line.year + 8 && !reading; ++y)
                reading = line.placedIn(y);
        } else {
            for (int y = passed.year() - 3; y <= passed.year() + 3; ++y) {
                const auto due = line.placedIn(y);
                if (due && line.counts(y) &&
                    (!reading || std::abs(passed.daysTo(*due)) <= std::abs(passed.daysTo(*reading))))
                    reading = due;
            }
        }
        if (reading && *reading >= today)
            return false;
    }
    return true;
}

TEST(Occasions, AOneOffReminderIsDeletedOnceItsRoundIsOverAndNeverBefore)
{
    std::mt19937 random(20261210);
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    const char* const keys[] = {"imieniny", "urodziny", "impreza"};
    // Most days and dates around the year's end and the end of February.
    const auto someDate = [&](int year) {
        switch (below(3)) {
        case 0:
            return QDate(year, 12, 15).addDays(below(32));
        case 1:
            return QDate(year, 2, 20).addDays(below(14));
        default:
            return QDate(year, 1, 1).addDays(below(365));
        }
    };
    const auto someWindow = [&] { return std::uint8_t(below(2) ? below(11) : below(256)); };
    int deleted = 0;
    int kept = 0;
    for (int round = 0; round < 1500; ++round) {
        const QDate today = someDate(2026 + below(5));
        DayWindows days;
        for (std::uint8_t* window : {&days.DaysBeforeNameDay, &days.DaysBeforeBirthday, &days.DaysBeforeOccasion,
                                     &days.DaysAfterNameDay, &days.DaysAfterBirthday, &days.DaysAfterOccasion})
            *window = someWindow();
        QList<Generated> lines;
        QByteArray content = crlf({"<$@$>nazwisko</$@$>Przypomnienie"});
        for (int n = 1 + below(4); n > 0; --n) {
            const QDate date = someDate(today.year() - 1 + below(3));
            Generated line{keys[below(3)], date.day(), date.month(), std::nullopt};
            if (below(4) == 0) // past the month's end
                line.day = QDate(2026, line.month, 1).daysInMonth() + 1 + below(3);
            if (qstrcmp(line.key, "imieniny") != 0 && below(2))
                line.year = date.year() + below(3) - 1;
            lines.append(line);
            content += crlf({line.text().constData()});
        }
        const bool expected = expectedDeleted(lines, today, days);
        (expected ? deleted : kept) += 1;
        const CheckerTexts texts;
        OccasionScan scan(today, days, texts);
        scan.ProcessPersonContent(content, "r.wpj");
        QByteArray shown;
        for (const Generated& line : lines)
            shown += line.text() + ' ';
        EXPECT_EQ(!scan.ExpiredOneOffs.isEmpty(), expected)
            << shown.toStdString() << "on " << today.toString("dd.MM.yyyy").toStdString() << " windows "
            << int(days.DaysBeforeNameDay) << '/' << int(days.DaysAfterNameDay) << ' ' << int(days.DaysBeforeBirthday)
            << '/' << int(days.DaysAfterBirthday) << ' ' << int(days.DaysBeforeOccasion) << '/'
            << int(days.DaysAfterOccasion);
        EXPECT_EQ(OneOffHasExpired(splitLines(content), today, days), expected) << shown.toStdString();
        // What is announced is listed; what has passed is not.
        const auto announced = std::count_if(lines.cbegin(), lines.cend(), [&](const Generated& line) {
            return judgeGenerated(line, today, days).announced;
        });
        EXPECT_EQ(scan.ComingList.size(), announced) << shown.toStdString();
        EXPECT_TRUE(scan.PastList.isEmpty());
        if (::testing::Test::HasFailure())
            break;
    }
    // Both outcomes are well represented, or the cases say little.
    EXPECT_GT(deleted, 100);
    EXPECT_GT(kept, 100);
}

} // namespace
