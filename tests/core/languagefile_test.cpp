#include "languagefile.h"

#include "support.h"
#include "textlines.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageFiles, AreFoundByTheirFirstLine)
{
    TempDir dir;
    dir.write("lng/en.lng", crlf({"<$@$>jezyk</$@$>English", "<$@$>25</$@$>Close"}));
    dir.write("lng/de.lng", crlf({"<$@$>jezyk</$@$>Deutsch"}));
    dir.write("lng/zz.lng", crlf({"<$@$>jezyk</$@$>English", "<$@$>25</$@$>Shut"}));
    dir.write("lng/notes.lng", crlf({"<$@$>uwagi</$@$>English"}));
    dir.write("lng/empty.lng", "");
    dir.write("lng/en.txt", crlf({"<$@$>jezyk</$@$>Text"}));
    const QString lng = dir.file("lng/");

    QList<QByteArray> names;
    for (const LanguageFileInfo& f : findLanguageFiles(lng))
        names.append(f.name);
    EXPECT_EQ(names, QList<QByteArray>({"Deutsch", "English", "English"}));

    // The last file listed wins; names are compared exactly.
    EXPECT_EQ(findLanguageFile(lng, "English"), dir.file("lng/zz.lng"));
    EXPECT_EQ(findLanguageFile(lng, "english"), QString());
    EXPECT_EQ(findLanguageFile(dir.file("none/"), "English"), QString());
}

// A foreign file whose first line is 20 MB once held the start, which lists the languages, for
// 20 s: only the first kFirstLineLimit bytes of that line are read.
TEST(LanguageFiles, AHugeFirstLineIsReadOnlyUpToTheLimit)
{
    TempDir dir;
    const QByteArray marker = "<$@$>jezyk</$@$>";
    dir.write("lng/huge.lng", marker + QByteArray(20 * 1024 * 1024, 'x') + "\r\n");
    const QList<LanguageFileInfo> found = findLanguageFiles(dir.file("lng/"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].name, QByteArray(kFirstLineLimit - marker.size(), 'x'));
}

TEST(LanguageTexts, KeepTheLinesWhoseKeyIsAWholeInteger)
{
    TempDir dir;
    const QString path = dir.write("pl.lng", crlf({
                                                 "<$@$>jezyk</$@$>Test",
                                                 "<$@$>07</$@$>siedem",
                                                 "<$@$>25</$@$>A",
                                                 "<$@$>slowo</$@$>x",
                                                 "<$@$></$@$>empty key",
                                                 "",
                                                 "<$@$>25</$@$>B with 25 inside",
                                                 "<$@$>200</$@$>unknown id kept for the caller",
                                                 "<$@$>-3</$@$>negative",
                                             }));
    const auto texts = readLanguageTexts(path);
    ASSERT_TRUE(texts);
    QList<std::pair<int, QByteArray>> got;
    for (const LanguageText& t : *texts)
        got.append({t.id, t.text});
    EXPECT_EQ(got, (QList<std::pair<int, QByteArray>>{
                       {7, "siedem"}, {25, "A"}, {25, "B with 25 inside"}, {200, "unknown id kept for the caller"}}));
    EXPECT_FALSE(readLanguageTexts(dir.file("none.lng")));
}

} // namespace
