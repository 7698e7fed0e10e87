#include "filewriter.h"

#include "support.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(FileWriter, ReplacesTheWholeFile)
{
    TempDir dir;
    dir.write("a.wps", "old content that is longer\r\n");
    QString error;
    ASSERT_TRUE(FileWriter::standard().writeAtomically(dir.file("a.wps"), "new\r\n", &error));
    EXPECT_EQ(dir.read("a.wps"), "new\r\n");
}

TEST(FileWriter, FailureAtAnyPointKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const QByteArray old = "old\r\n";
    const QByteArray replacement(10000, 'n');
    for (qint64 limit : {0, 1, 4096, 9999}) {
        TempDir dir;
        dir.write("a.wps", old);
        QString error;
        EXPECT_FALSE(FailingFileWriter(limit).writeAtomically(dir.file("a.wps"), replacement, &error)) << limit;
        EXPECT_EQ(dir.read("a.wps"), old) << limit;
        EXPECT_TRUE(error.contains("a.wps")) << limit;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"a.wps"})) << limit;
    }
}

TEST(FileWriter, FailureOnANewFileCreatesNothing)
{
    TempDir dir;
    QString error;
    EXPECT_FALSE(FailingFileWriter(3).writeAtomically(dir.file("new.wps"), "content", &error));
    EXPECT_FALSE(dir.exists("new.wps"));
    EXPECT_FALSE(FileWriter::standard().writeAtomically(dir.file("no/such/folder.wps"), "x", &error));
}

TEST(FileWriter, CreateExclusiveRefusesAnExistingFile)
{
    TempDir dir;
    QString error;
    EXPECT_TRUE(FileWriter::standard().createExclusive(dir.file("n.wps"), &error));
    EXPECT_FALSE(FileWriter::standard().createExclusive(dir.file("n.wps"), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
