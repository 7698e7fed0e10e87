#include "filelisting.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(MatchesMask, MatchesWildcardsWithoutRegardToCase)
{
    const struct {
        const char* name;
        const char* mask;
        bool matches;
    } cases[] = {
        {"a.wps", "*.wp?", true},      {"X.WPB", "*.wp?", true},  {"a.wp", "*.wp?", false},
        {"a.wpsx", "*.wp?", false},    {"a.wps", "*.wps", true},  {"a.b.wps", "*.wps", true},
        {"lista1.lst", "*.lst", true}, {"pl.lng", "*.lng", true}, {"pl.lng.bak", "*.lng", false},
        {"abc", "a*c", true},          {"ac", "a*c", true},       {"abd", "a*c", false},
        {"ŁÓDŹ.wps", "łódź.*", true},  {"", "*", true},           {"x", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesMask(QString::fromUtf8(c.name), QString::fromUtf8(c.mask)), c.matches)
            << c.name << " ~ " << c.mask;
}

TEST(ListFiles, ListsPlainFilesIncludingHiddenOnesSortedByName)
{
    TempDir dir;
    for (const char* name : {"b.wps", "A.WPJ", ".hidden.wpb", "c.bmp", "z.wps"})
        dir.write(name, "x");
    dir.mkdir("folder.wps");
    EXPECT_EQ(listFiles(dir.path(), "*.wp?"), QStringList({".hidden.wpb", "A.WPJ", "b.wps", "z.wps"}));
    EXPECT_EQ(listFiles(dir.path(), "*.wps"), QStringList({"b.wps", "z.wps"}));
    EXPECT_TRUE(listFiles(dir.file("missing/"), "*").isEmpty());
}

} // namespace
