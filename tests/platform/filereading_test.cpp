#include "filereading.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(ReadWholeFile, ReadsEveryByteOfSmallEmptyAndLargeFilesIntoOneBuffer)
{
    TempDir dir;
    QByteArray large;
    for (int i = 0; large.size() < 300 * 1024; ++i)
        large += QByteArray::number(i) + "\r\n";
    const QByteArray cases[] = {"<$@$>nazwisko</$@$>Jan\r\n", "", large, QByteArray("a\0b\x1A", 4), "x"};
    QByteArray buffer;
    for (const QByteArray& bytes : cases) {
        const QString path = dir.write("plik.wps", bytes);
        EXPECT_EQ(readWholeFile(path, buffer), ReadResult::Read);
        EXPECT_EQ(buffer, bytes);
    }
    // The buffer keeps the memory a large file needed.
    EXPECT_GE(buffer.capacity(), large.size());
}

TEST(ReadWholeFile, ReadsByNameInAFolderHeldOpen)
{
    TempDir dir;
    dir.write("a.wps", "abc");
    const int folder = open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    QByteArray buffer;
    EXPECT_EQ(readWholeFileIn(folder, "a.wps", buffer), ReadResult::Read);
    EXPECT_EQ(buffer, "abc");
    // A read that fills all the room it is given is no end yet: files of exactly the buffer's first
    // size and larger are read whole.
    for (const qsizetype size : {qsizetype(64 * 1024), qsizetype(64 * 1024 + 1), qsizetype(300 * 1024), qsizetype(0)}) {
        QByteArray bytes(size, 'x');
        for (qsizetype i = 0; i < size; i += 1000)
            bytes[i] = char('0' + i % 7);
        dir.write("b.wps", bytes);
        EXPECT_EQ(readWholeFileIn(folder, "b.wps", buffer), ReadResult::Read);
        EXPECT_EQ(buffer, bytes) << size;
    }
    // A file that went away after the listing is only a failed open.
    EXPECT_EQ(readWholeFileIn(folder, "gone.wps", buffer), ReadResult::OpenFailed);
    EXPECT_TRUE(buffer.isEmpty());
    close(folder);
}

TEST(ReadWholeFile, ReportsFilesThatCannotBeReadAndNeverWaits)
{
    TempDir dir;
    QByteArray buffer = "old";
    EXPECT_EQ(readWholeFile(dir.file("missing.wps"), buffer), ReadResult::OpenFailed);
    EXPECT_TRUE(buffer.isEmpty());
    // A folder opens but cannot be read.
    EXPECT_EQ(readWholeFile(dir.mkdir("folder.wps"), buffer), ReadResult::ReadFailed);
    EXPECT_TRUE(buffer.isEmpty());
    // A pipe put where a file was listed has no writer: it reads as empty instead of waiting for one.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.file("fifo.wps")).constData(), 0600), 0);
    EXPECT_EQ(readWholeFile(dir.file("fifo.wps"), buffer), ReadResult::Read);
    EXPECT_TRUE(buffer.isEmpty());
}

} // namespace
