#include "textlines.h"

#include "support.h"

#include <QFileDevice>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct Case {
    QByteArray bytes;
    Lines lines;
};

TEST(SplitLines, EndsLinesAtLfAndFilesAtCtrlZ)
{
    const Case cases[] = {
        {"", {}},
        {"abc", {"abc"}},
        {"abc\r\n", {"abc"}},
        {"abc\n", {"abc"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        // A CR not followed by LF stays in the line.
        {"a\rb\r\n", {"a\rb"}},
        {"a\r", {"a\r"}},
        {"a\r\r\n", {"a\r"}},
        // Ctrl-Z ends the file wherever it stands.
        {QByteArray("a\r\nb\x1A"
                    "c\r\nd\r\n"),
         {"a", "b"}},
        {QByteArray("\x1A"
                    "abc"),
         {}},
        {QByteArray("a\r\n\x1A"), {"a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(c.bytes), c.lines) << c.bytes.toStdString();
}

TEST(JoinLines, WritesCrLfAfterEveryLineAndRoundTrips)
{
    EXPECT_EQ(joinLines({}), "");
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    const QByteArray stored = "x\r\n\r\ny\xB9\xEA\r\n";
    EXPECT_EQ(joinLines(splitLines(stored)), stored);
}

TEST(ReadLines, ReadsFilesAndReportsMissingOnes)
{
    TempDir dir;
    dir.write("a.txt", "one\r\ntwo");
    EXPECT_EQ(readLines(dir.file("a.txt")), Lines({"one", "two"}));
    EXPECT_EQ(readFirstLine(dir.file("a.txt")), QByteArray("one"));
    dir.write("empty.txt", "");
    EXPECT_EQ(readFirstLine(dir.file("empty.txt")), QByteArray());

    QString error;
    int code = 0;
    EXPECT_FALSE(readLines(dir.file("none.txt"), &error, &code));
    EXPECT_TRUE(error.contains("none.txt"));
    EXPECT_EQ(code, QFileDevice::OpenError);
    code = 0;
    EXPECT_FALSE(readFirstLine(dir.file("none.txt"), nullptr, &code));
    EXPECT_EQ(code, QFileDevice::OpenError);
}

TEST(NotAFileError, NamesWhyAPathIsNoFileToRead)
{
    TempDir dir;
    dir.write("a.wps", "x");
    dir.mkdir("b.wps");
    EXPECT_EQ(notAFileError(dir.file("a.wps")), 0);
    EXPECT_EQ(notAFileError(dir.file("gone.wps")), ENOENT);
    EXPECT_EQ(notAFileError(dir.file("b.wps")), EISDIR);
    EXPECT_EQ(notAFileError(dir.file("a.wps/c.wps")), ENOTDIR);
}

// The first line is read in pieces: it ends wherever its LF or Ctrl-Z falls, also at the edge of a
// piece, and one longer than the limit is cut there, however long it is (one of 20 MB once held the
// program's start for seconds).
TEST(ReadFirstLine, TakesTheFirstLineWhereverItEndsAndCutsItAtTheLimit)
{
    struct Case {
        qsizetype length;   // of the first line
        QByteArray end;     // what follows it
        qsizetype expected; // bytes of it that are read
    };
    const Case cases[] = {
        {0, "\r\nsecond\r\n", 0},
        {5000, "\r\nsecond\r\n", 5000},
        {4095, "\nsecond", 4095},
        {4096, "\nsecond", 4096},
        {4095, "\r\nsecond", 4095},
        {4097, "\x1Asecond\n", 4097},
        {kFirstLineLimit - 1, "\r\nsecond\r\n", kFirstLineLimit - 1},
        {kFirstLineLimit, "\r\nsecond\r\n", kFirstLineLimit},
        {kFirstLineLimit + 1, "\r\nsecond\r\n", kFirstLineLimit},
        {20 * 1024 * 1024, "", kFirstLineLimit},
    };
    TempDir dir;
    for (const Case& c : cases) {
        QByteArray line(c.length, 'x');
        for (qsizetype i = 0; i < line.size(); i += 997)
            line[i] = char('a' + i % 26);
        dir.write("long.txt", line + c.end);
        EXPECT_EQ(readFirstLine(dir.file("long.txt")), line.left(c.expected)) << c.length << " " << c.end.toStdString();
    }
}

TEST(WriteLines, FailedWriteKeepsTheOldFile)
{
    TempDir dir;
    dir.write("p.wps", "old\r\n");
    QString error;
    EXPECT_FALSE(writeLines(dir.file("p.wps"), {"new content", "more"}, FailingFileWriter(4), &error));
    EXPECT_EQ(dir.read("p.wps"), "old\r\n");
    EXPECT_TRUE(error.contains("p.wps"));
    EXPECT_TRUE(writeLines(dir.file("p.wps"), {"new"}, FileWriter::standard(), &error));
    EXPECT_EQ(dir.read("p.wps"), "new\r\n");
}

TEST(LineRewrite, GivesEachLineTheFileHoldsItsOwnEndAndNewLinesTheFilesEnd)
{
    struct Rewrite {
        const char* what;
        QByteArray stored;
        Lines lines;
        QByteArray expected;
    };
    const Rewrite cases[] = {
        {"lines moved keep their ends, a new one gets the first line's", "b\r\na\n", {"a", "b", "c"}, "a\nb\r\nc\r\n"},
        {"a line held twice gives its ends in file order", "x\ny\r\nx\r\n", {"x", "x", "x"}, "x\nx\r\nx\n"},
        {"a last line without an end stays so while it is last", "a\nb", {"a", "b"}, "a\nb"},
        {"and gets the file's end when a line follows it", "a\nb", {"b", "a"}, "b\na\n"},
        {"a lone CR ending a line is never followed by a bare LF", "a\nb\r", {"b\r", "a", "c\r"}, "b\r\r\na\nc\r\r\n"},
        {"a first line without an end means CR LF", "a", {"a", "c"}, "a\r\nc\r\n"},
        {"so does an empty file", "", {"c"}, "c\r\n"},
        {"what follows a Ctrl-Z stays after the lines",
         QByteArray("a\nb\x1a"
                    "rest\n"),
         {"b", "a"},
         QByteArray("b\na\n\x1a"
                    "rest\n")},
        {"a Ctrl-Z ending the first line leaves it no end",
         QByteArray("a\x1a\n"),
         {"a", "c"},
         QByteArray("a\r\nc\r\n\x1a\n")},
        {"lines dropped take their ends with them", "a\nb\r\nc\n", {"c"}, "c\n"},
    };
    for (const Rewrite& c : cases) {
        LineRewrite rewrite(c.stored);
        rewrite.addMatching(c.lines);
        EXPECT_EQ(rewrite.bytes(), c.expected) << c.what;
    }
}

} // namespace
