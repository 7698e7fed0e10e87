#include "floppycopy.h"

#include "support.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using Result = FloppyCopy::Result;

class FloppyCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("program/baza/1.wps", "person");
        dir.write("program/baza/2.wpj", "reminder");
        dir.write("program/baza/3.WPB", "binned");
        dir.write("program/baza/.4.wps", "hidden person");
        dir.write("program/baza/1.bmp", "photo");
        dir.write("program/baza/ulubione.sps", "favourites");
        dir.write("program/baza/stale/swieta.wps", "holidays");
        dir.write("program/opcje.ini", "[opcje]");
        dir.write("druga/5.wps", "second base");
    }

    FloppyCopy copy(const FileWriter& writer = FileWriter::standard())
    {
        return copyBaseToFloppy(dir.file("program/"), drives, writer);
    }

    QStringList filesIn(const QString& folder) const
    {
        return QDir(dir.file(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TempDir dir;
    FakeRemovableDrives drives;
};

TEST_F(FloppyCopyTest, CopiesTheEntryFilesOfTheDefaultBaseOnlyToDriveA)
{
    drives.roots = {{u'a', dir.mkdir("media/a")}, {u'b', dir.mkdir("media/b")}};
    const FloppyCopy result = copy();
    EXPECT_EQ(result.result, Result::Copied);
    EXPECT_EQ(result.target, dir.file("media/a/baza/"));
    EXPECT_EQ(filesIn("media/a/baza"), QStringList({".4.wps", "1.wps", "2.wpj", "3.WPB"}));
    EXPECT_EQ(dir.read("media/a/baza/3.WPB"), "binned");
    EXPECT_FALSE(dir.exists("media/b/baza"));
}

TEST_F(FloppyCopyTest, TakesDriveBWhenAHasNoMediumOrTheFolderCannotBeMadeThere)
{
    struct Case {
        const char* what;
        bool aPresent;
    };
    for (const Case c : {Case{"no medium in a", false}, Case{"a folder cannot be made on a", true}}) {
        SCOPED_TRACE(c.what);
        TempDir media;
        drives.roots.clear();
        if (c.aPresent) {
            // "baza" is a file there, so the folder cannot be made, as on a write-protected disk.
            media.write("a/baza", "not a folder");
            drives.roots.insert(u'a', media.file("a"));
        }
        drives.roots.insert(u'b', media.mkdir("b"));
        const FloppyCopy result = copy();
        EXPECT_EQ(result.result, Result::Copied);
        EXPECT_EQ(result.target, media.file("b/baza/"));
        EXPECT_EQ(QDir(media.file("b/baza")).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }
}

TEST_F(FloppyCopyTest, WithoutAMediumNothingIsCopied)
{
    drives.roots = {{u'c', dir.mkdir("media/c")}};
    EXPECT_EQ(copy().result, Result::NoMedium);
    EXPECT_FALSE(dir.exists("media/c/baza"));
}

TEST_F(FloppyCopyTest, AnExistingFolderIsReusedItsSameNamedFilesReplacedAndTheOthersKept)
{
    drives.roots = {{u'a', dir.mkdir("media/a")}};
    dir.write("media/a/baza/1.wps", "older copy");
    dir.write("media/a/baza/9.wps", "not in the base any more");
    EXPECT_EQ(copy().result, Result::Copied);
    EXPECT_EQ(dir.read("media/a/baza/1.wps"), "person");
    EXPECT_EQ(dir.read("media/a/baza/9.wps"), "not in the base any more");
}

TEST_F(FloppyCopyTest, AnEmptyBaseMakesTheFolderAndCopiesNothing)
{
    TempDir empty;
    empty.mkdir("baza");
    drives.roots = {{u'a', dir.mkdir("media/a")}};
    const FloppyCopy result = copyBaseToFloppy(empty.path(), drives, FileWriter::standard());
    EXPECT_EQ(result.result, Result::Copied);
    EXPECT_TRUE(QFileInfo(dir.file("media/a/baza")).isDir());
    EXPECT_TRUE(filesIn("media/a/baza").isEmpty());
}

TEST_F(FloppyCopyTest, AFullMediumIsReportedAndLeavesNoTruncatedCopy)
{
    drives.roots = {{u'a', dir.mkdir("media/a")}};
    dir.write("media/a/baza/1.wps", "older copy");
    const FloppyCopy result = copy(FailingFileWriter(0));
    EXPECT_EQ(result.result, Result::CopyFailed);
    EXPECT_EQ(result.failed, QStringList({".4.wps", "1.wps", "2.wpj", "3.WPB"}));
    EXPECT_EQ(dir.read("media/a/baza/1.wps"), "older copy");
    EXPECT_EQ(filesIn("media/a/baza"), QStringList({"1.wps"}));
}

TEST_F(FloppyCopyTest, ARealFullMediumKeepsTheOlderCopiesWhole)
{
    FullDisk medium;
    SKIP_WITHOUT_FULL_DISK(medium);
    QDir().mkdir(medium.file("baza"));
    medium.write("baza/1.wps", "older copy");
    ASSERT_TRUE(medium.fill());
    drives.roots = {{u'a', medium.path()}};
    const FloppyCopy result = copy();
    EXPECT_EQ(result.result, Result::CopyFailed);
    EXPECT_EQ(medium.read("baza/1.wps"), "older copy");
    EXPECT_EQ(QDir(medium.file("baza")).entryList(QDir::Files | QDir::Hidden), QStringList({"1.wps"}));
}

} // namespace
