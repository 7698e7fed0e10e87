#include "resultrows.h"

#include "checkerscan.h"
#include "codec1250.h"
#include "support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string utf8(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes).toStdString();
}

// Every character 10 pixels wide, so widths are easy to reckon.
int tenEach(const QString& s)
{
    return int(s.size()) * 10;
}

TEST(ResultRows, HeightByKind)
{
    struct Case {
        RowKind kind;
        int expected;
    };
    const Case cases[] = {
        {RowKind::Today, 35},  {RowKind::Caption, 35}, {RowKind::Holiday, 50},
        {RowKind::Coming, 70}, {RowKind::Past, 70},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rowHeight(c.kind, 15), c.expected) << int(c.kind);
}

TEST(ResultRows, TodayTheHolidayAndBothListsBetweenTheirHeaders)
{
    CheckerResult r;
    r.Today = QDate(2026, 12, 8);
    r.CurrentYear = 2026;
    r.ComingList = {wpis(), wpis()};
    r.PastList = {wpis()};
    EXPECT_FALSE(r.silentEnd());
    EXPECT_EQ(resultRows(r), (QList<ResultRow>{
                                 {RowKind::Today, "Dzisiaj jest  8 grudnia 2026"},
                                 {RowKind::Caption, "------- W NAJBLI\xAFSZYM CZASIE -------"},
                                 {RowKind::Coming, {}, 0},
                                 {RowKind::Coming, {}, 1},
                                 {RowKind::Caption, "------- JU\xAF MIN\xCA\xA3O -------"},
                                 {RowKind::Past, {}, 0},
                                 {RowKind::Caption, "------- KONIEC -------"},
                             }));
}

TEST(ResultRows, AgeWordsFollowPolishGrammar)
{
    const CheckerTexts texts;
    struct Case {
        std::int64_t age;
        const char* word;
    };
    const Case cases[] = {
        {1, "rok"},   {2, "lata"},   {3, "lata"},  {4, "lata"},  {5, "lat"},    {11, "lat"},
        {12, "lat"},  {13, "lat"},   {14, "lat"},  {21, "lat"},  {22, "lata"},  {24, "lata"},
        {25, "lat"},  {32, "lata"},  {100, "lat"}, {101, "lat"}, {102, "lata"}, {112, "lat"},
        {114, "lat"}, {122, "lata"}, {-3, "lata"}, {-1, "rok"},  {-12, "lat"},  {1000, "lat"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8(texts.text(ageWordId(c.age))), c.word) << c.age;
}

TEST(ResultRows, FirstLineOfEachKind)
{
    const CheckerTexts texts;
    struct Case {
        OccasionKind kind;
        const char* year;
        const char* line;
        const char* ending;
    };
    using enum OccasionKind;
    const Case cases[] = {
        {NameDay, "", "Ala", "..."},
        {Birthday, "1979", "Ala - kończy 47 lat", "..."},
        {Birthday, "2025", "Ala - kończy 1 rok", "..."},
        {Birthday, "2003", "Ala - kończy 23 lata", "..."},
        {Birthday, "2026", "Ala", "..."},
        {Birthday, "????", "Ala - kończy nie wiadomo ile lat", "..."},
        {Birthday, "2030", "Ala - kończy -4 lata", "..."},
        {Occasion, "2000", "Ala - mija 26 rok", " ..."},
        {Occasion, "2026", "Ala", " ..."},
        {Occasion, "????", "Ala", "..."},
        {Occasion, "20x0", "Ala", "..."},
    };
    for (const Case& c : cases) {
        const wpis entry{cp("Ala"), cp("Urodziny (08 grudnia)"), c.year, c.kind, "/dane/a.wps"};
        const RowFirstLine line = rowFirstLine(entry, 2026, texts);
        EXPECT_EQ(utf8(line.text), c.line) << int(c.kind) << ' ' << c.year;
        EXPECT_EQ(line.ending.toStdString(), c.ending) << int(c.kind) << ' ' << c.year;
    }
}

TEST(ResultRows, UnknownAgeTakesTheLanguagesWords)
{
    CheckerTexts texts;
    texts.set(checkertext::Turns, "turns");
    texts.set(checkertext::AgeUnknown, "x2");
    texts.set(checkertext::YearsLata, "years (2-4)");
    const wpis entry{"Al", "", "????", OccasionKind::Birthday, "/dane/a.wps"};
    EXPECT_EQ(rowFirstLine(entry, 2026, texts).text, "Al - turns x2 years (2-4)");
}

TEST(ResultRows, FitTextCutsOnlyWhatIsTooWideAndEndsOnAnyWidth)
{
    struct Case {
        const char* text;
        const char* ending;
        int rowWidth;
        const char* expected;
    };
    const Case cases[] = {
        {"abcdefghij", "...", 106, "abcdefghij"}, // 100 = W - 6: stays
        {"abcdefghijk", "...", 106, "abcde..."},  // 110 > W - 6: cut until text + ending < W - 16 = 90
        {"abcdefghijk", " ...", 106, "abcd ..."}, // the occasion's ending with its blank
        {"", "...", 0, ""},                       // nothing to cut, whatever the width
        {"abcdef", "...", 0, "..."},              // narrower than the ending itself
        {"abcdef", "...", -50, "..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitText(c.text, c.ending, c.rowWidth, tenEach), QString::fromLatin1(c.expected))
            << c.text << " in " << c.rowWidth;
}

TEST(ResultRows, HolidaySplitsIntoTwoLinesAndEndsOnAnyWidth)
{
    struct Case {
        const char* text;
        int rowWidth;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {"abcdefghij", 106, "abcdefghij", ""},
        {"abcdefghijkl", 106, "abcdefgh", "ijkl"},                   // the first narrower than W - 16 = 90
        {"abcdefghijklmnopqrstuvwxyz", 106, "abcdefgh", "ijklm..."}, // the second still too wide
        {"", 0, "", ""},
        {"abc", 0, "", "..."},
    };
    for (const Case& c : cases) {
        const TwoLines lines = splitHoliday(c.text, c.rowWidth, tenEach);
        EXPECT_EQ(lines.first, QString::fromLatin1(c.first)) << c.text;
        EXPECT_EQ(lines.second, QString::fromLatin1(c.second)) << c.text;
    }
}

TEST(ResultRows, CentredTextRoundsHalvesToEvenAndKeepsTenPixelsIn)
{
    struct Case {
        int left, rowWidth, textWidth, expected;
    };
    const Case cases[] = {
        {0, 100, 50, 30},  // (110 - 50) / 2
        {0, 100, 51, 30},  // 29.5 -> 30
        {0, 100, 49, 30},  // 30.5 -> 30
        {0, 100, 47, 32},  // 31.5 -> 32
        {8, 100, 200, 18}, // wider than the row: 10 pixels in
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredTextX(c.left, c.rowWidth, c.textWidth), c.expected) << c.textWidth;
    EXPECT_EQ(halfRoundedToEven(-3), -2);
    EXPECT_EQ(halfRoundedToEven(-5), -2);
}

TEST(OpenPersonCommand, PassesThePathAsOneAbsoluteArgument)
{
    const char* paths[] = {
        "/home/ala/moje kontakty/baza/1-2-3.wps",
        "/home/ala/\"cudzysłów\" i 'apostrof'/a b.wps",
        "/home/ala/$(rm -rf ~); echo `x` & | > <.wps",
    };
    for (const char* p : paths) {
        const QString path = QString::fromUtf8(p);
        const ProgramStart start = OpenPersonCommand("/opt/zubo dir/", path);
        EXPECT_EQ(start.program, "/opt/zubo dir/Zubo_37");
        EXPECT_EQ(start.arguments, QStringList{path});
    }
    const ProgramStart relative = OpenPersonCommand("/opt/zubo/", "dane/a b.wps");
    EXPECT_EQ(relative.arguments, QStringList{QDir::currentPath() + "/dane/a b.wps"});
}

} // namespace
