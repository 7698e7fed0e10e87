#include "checkertexts.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(CheckerTexts, BuiltInTextsAreCodePage1250)
{
    const CheckerTexts texts;
    EXPECT_EQ(texts.monthName(1), "stycznia");
    EXPECT_EQ(texts.monthName(9), "wrze\x9C"
                                  "nia");
    EXPECT_EQ(texts.monthName(12), "grudnia");
    EXPECT_EQ(texts.text(checkertext::PastHeader), "------- JU\xAF MIN\xCA\xA3O -------");
    EXPECT_EQ(texts.text(checkertext::OneDayLeft), "Zosta\xB3 1 dzie\xF1.");
    // Numbers the checker has no text for.
    EXPECT_EQ(texts.text(49), "");
    EXPECT_EQ(texts.text(110), "");
}

TEST(CheckerTexts, ALanguageFileReplacesTheCheckersNumbersOnly)
{
    TempDir dir;
    dir.write("lng/en.lng", crlf({
                                "<$@$>jezyk</$@$>English",
                                "<$@$>17</$@$>Name day",
                                "<$@$>108</$@$>Nameday",
                                "<$@$>109</$@$>Birthday",
                                "<$@$>081</$@$>January",
                                "<$@$>49</$@$>unused",
                                "<$@$>110</$@$>unused",
                                "<$@$>135</$@$>Today!",
                            }));
    dir.write("lng/pl.lng", crlf({"<$@$>jezyk</$@$>Polski", "<$@$>17</$@$>Nie ten"}));
    const CheckerTexts builtIn;

    const CheckerTexts english = loadCheckerTexts(dir.path(), "English");
    EXPECT_EQ(english.text(checkertext::NameDayLabel), "Nameday");
    EXPECT_EQ(english.text(108), "Nameday");
    EXPECT_EQ(english.text(checkertext::BirthdayLabel), "Birthday");
    EXPECT_EQ(english.monthName(1), "January");
    EXPECT_EQ(english.text(checkertext::IsToday), "Today!");
    EXPECT_EQ(english.monthName(2), builtIn.monthName(2));
    EXPECT_EQ(english.text(checkertext::ComingHeader), builtIn.text(checkertext::ComingHeader));
    EXPECT_EQ(english.text(110), "");

    // "Polski" is the built-in language even when a file claims the name; a name no file declares
    // leaves the built-in texts too.
    for (const QByteArray& name : {QByteArray("Polski"), QByteArray("english"), QByteArray("Deutsch")}) {
        const CheckerTexts texts = loadCheckerTexts(dir.path(), name);
        EXPECT_EQ(texts.text(checkertext::NameDayLabel), "Imieniny") << name.toStdString();
        EXPECT_EQ(texts.monthName(1), "stycznia") << name.toStdString();
    }
}

} // namespace
