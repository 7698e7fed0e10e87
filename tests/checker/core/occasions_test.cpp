#include "occasions.h"

#include "codec1250.h"
#include "support.h"

#include <gtest/gtest.h>

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
    };
    const QDate dec8(2026, 12, 8);
    const QDate jan2(2027, 1, 2);
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
        // Dates without a year are read as dates of the year of the one that passed last.
        {"without years: one passed, one earlier this year",
         dec8,
         {"<$@$>impreza</$@$>06.12.????-A", "<$@$>impreza</$@$>15.01.????-B"},
         "deleted"},
        {"passed last December, one ahead this year",
         jan2,
         {"<$@$>impreza</$@$>31.12.2026-A", "<$@$>impreza</$@$>10.01.2027-B"},
         "kept"},
        {"passed last December and on New Year's Day",
         jan2,
         {"<$@$>impreza</$@$>31.12.????-A", "<$@$>impreza</$@$>01.01.????-B"},
         "deleted"},
        {"without years, passed last December, one in March",
         jan2,
         {"<$@$>impreza</$@$>31.12.????-A", "<$@$>impreza</$@$>15.03.????-B"},
         "deleted"},
    };
    for (const FileCase& c : cases) {
        QByteArray content = crlf({"<$@$>nazwisko</$@$>Przypomnienie"});
        for (const char* date : c.dates)
            content += crlf({date});
        const CheckerTexts texts;
        OccasionScan scan(c.today, DayWindows(), texts);
        scan.CurrentFolder = "/dane/";
        scan.ProcessPersonContent(content, "r.wpj");
        std::string outcome = scan.ExpiredOneOffs.isEmpty() ? "kept" : "deleted";
        for (const wpis& e : scan.ComingList)
            outcome += '|' + utf8(e.EntryText.left(1));
        EXPECT_EQ(outcome, c.expected) << c.name;
        EXPECT_TRUE(scan.PastList.isEmpty()) << c.name;
        EXPECT_EQ(OneOffHasExpired(splitLines(content), c.today, DayWindows()), !scan.ExpiredOneOffs.isEmpty())
            << c.name;
        if (!scan.ExpiredOneOffs.isEmpty()) {
            EXPECT_EQ(scan.ExpiredOneOffs.size(), 1) << c.name;
            EXPECT_EQ(scan.ExpiredOneOffs.first().path, "/dane/r.wpj") << c.name;
            EXPECT_EQ(scan.ExpiredOneOffs.first().content, content) << c.name;
        }
    }
}

} // namespace
