#include "filelisting.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(FolderListing, TellsPlainFilesByTheirEntriesAndOpensThemThroughTheFolder)
{
    TempDir dir;
    for (const char* name : {"b.wps", ".ukryty.wps", "A.WPJ"})
        dir.write(name, "x");
    dir.mkdir("folder.wps");
    ASSERT_EQ(symlink("b.wps", QFile::encodeName(dir.file("link.wps")).constData()), 0);
    ASSERT_EQ(symlink("missing.wps", QFile::encodeName(dir.file("broken.wps")).constData()), 0);
    ASSERT_EQ(symlink("folder.wps", QFile::encodeName(dir.file("dirlink.wps")).constData()), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo.wps")).constData(), 0600), 0);

    const FolderListing listing(dir.path());
    ASSERT_TRUE(listing.isOpen());
    std::vector<QByteArray> names = listing.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<QByteArray>{".ukryty.wps", "A.WPJ", "b.wps", "link.wps"}));

    const int fd = openat(listing.handle(), "A.WPJ", O_RDONLY | O_CLOEXEC);
    EXPECT_GE(fd, 0);
    if (fd >= 0)
        close(fd);

    const FolderListing missing(dir.file("missing"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_TRUE(missing.names().empty());
}

// Stored names are sorted as listFiles sorts their text, whose units are UTF-16.
TEST(PrecedesAsText, OrdersStoredNamesAsTheirText)
{
    const QList<QString> names = {
        "",
        "a",
        "a.wps",
        "A.wps",
        "b",
        "ab",
        "\u0142",
        "\u017A",
        "\u00F3d\u017A",
        "\uE000",
        "\uFFFD",
        QString::fromUcs4(U"\U0001F600"),
        "x\uFF21",
        QString::fromUcs4(U"x\U00010000"),
        "x",
        "xy",
    };
    for (const QString& a : names) {
        for (const QString& b : names)
            EXPECT_EQ(precedesAsText(a.toUtf8(), b.toUtf8()), a < b) << a.toStdString() << " < " << b.toStdString();
    }
}

TEST(DecodesExactly, RefusesNamesThatAreNotUtf8)
{
    EXPECT_TRUE(decodesExactly("1-2-3.wps"));
    EXPECT_TRUE(decodesExactly(QString::fromUtf8("łódź.wps").toUtf8()));
    EXPECT_FALSE(decodesExactly("\xB3\xF3"
                                "d\x9F.wps"));
    EXPECT_FALSE(decodesExactly("a\xC5.wps"));
}

} // namespace
