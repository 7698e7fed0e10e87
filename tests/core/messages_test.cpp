#include "messages.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(TextIds, AreTheMainProgramsOwn)
{
    QList<int> expected;
    const std::pair<int, int> ranges[] = {{1, 48}, {50, 58}, {60, 67}, {71, 106}, {129, 130}, {136, 148}};
    for (const auto& [first, last] : ranges) {
        for (int id = first; id <= last; ++id)
            expected.append(id);
    }
    EXPECT_EQ(mainProgramTextIds(), expected);
    EXPECT_EQ(expected.size(), 116);

    for (int id = -1; id <= 150; ++id) {
        EXPECT_EQ(isMainProgramTextId(id), expected.contains(id)) << id;
        // Every id the program uses has a built-in text to go back to, and no other id has one.
        EXPECT_EQ(!builtInText(id).isEmpty(), expected.contains(id)) << id;
    }
}

TEST(TextIds, ReplaceMessagesAndMonthItems)
{
    const struct {
        int id;
        int message;
        int month;
    } cases[] = {
        {80, -1, -1},  {81, -1, 0},   {92, -1, 11},  {93, 0, -1},   {105, 12, -1},
        {106, -1, -1}, {129, 13, -1}, {130, 14, -1}, {137, -1, -1}, {138, 15, -1},
        {143, 16, -1}, {144, 17, -1}, {145, 18, -1}, {146, -1, -1}, {148, 19, -1},
    };
    const MessageTable polish = polishMessages();
    for (const auto& c : cases) {
        EXPECT_EQ(messageIndexOfTextId(c.id), c.message) << c.id;
        EXPECT_EQ(monthItemOfTextId(c.id), c.month) << c.id;
        if (c.message >= 0) {
            EXPECT_EQ(builtInText(c.id), polish[c.message]) << c.id;
        }
        if (c.month >= 0) {
            EXPECT_EQ(builtInText(c.id), MonthNames()[c.month]) << c.id;
        }
    }
}

TEST(BuiltInTexts, AreStoredInCodePage1250)
{
    EXPECT_EQ(builtInText(1), cp("Nazwisko i Imię/Imiona"));
    EXPECT_EQ(builtInText(16), "wojew\xF3"
                               "dztwo");
    EXPECT_EQ(builtInText(27), ">>");
    EXPECT_EQ(builtInText(78), cp("Możesz nie podawać roku, jeśli chcesz umieścić jakąś okazję \"nie starzejącą się\" "
                                  "na przykład Dzień Hutnika"));
    EXPECT_EQ(builtInText(106).count('\n'), 1);
    EXPECT_TRUE(builtInText(106).startsWith(cp("Zubo v3.7 - program do zarządzania kontaktami")));
    EXPECT_EQ(MonthNames()[0], "stycznia");
    EXPECT_EQ(MonthNames()[8], "wrze\x9C"
                               "nia");
}

TEST(Messages, StartWithTheInitialTextsAndThePolishChoiceMendsThree)
{
    const MessageTable initial = initialMessages();
    const MessageTable polish = polishMessages();
    EXPECT_EQ(initial[kMsgFileError], cp("Błąd pliku"));
    EXPECT_EQ(initial[kMsgAll], "Wszystko");
    EXPECT_EQ(initial[kMsgOneOffs], "Jednorazowe przypomnienie");
    EXPECT_EQ(initial[kMsgBin], "Wykasowane");
    EXPECT_EQ(initial[7], cp("Nieprawidłowy adres, brakuje małpy \"@\""));
    // Two sentences joined by a single carriage return.
    EXPECT_EQ(initial[23].count('\r'), 1);
    EXPECT_FALSE(initial[23].contains('\n'));

    QList<int> differing;
    for (int i = 0; i < kMessageCount; ++i) {
        if (initial[i] != polish[i])
            differing.append(i);
    }
    EXPECT_EQ(differing, QList<int>({5, 10, 18}));
    EXPECT_EQ(initial[5], ' ' + polish[5]);
    EXPECT_EQ(polish[18], cp("Czy na pewno wykasować ten telefon: "));
}

TEST(Messages, FileErrorNamesThePathAndTheCode)
{
    EXPECT_EQ(fileErrorMessage(initialMessages(), "/dane/baza/1 2.wps", 5),
              QString::fromUtf8("Błąd pliku [id:/dane/baza/1 2.wps err: 5]"));
    // A "%" in the path or in a language's text is shown as it stands.
    EXPECT_EQ(fileErrorMessage(initialMessages(), "/dane/%2 %1.wps", 5),
              QString::fromUtf8("Błąd pliku [id:/dane/%2 %1.wps err: 5]"));
    MessageTable translated = initialMessages();
    translated[kMsgFileError] = "File %0 error %1";
    EXPECT_EQ(fileErrorMessage(translated, "/a.wps", 2), "File %0 error %1 [id:/a.wps err: 2]");
}

} // namespace
