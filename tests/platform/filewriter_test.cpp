#include "filewriter.h"

#include "support.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Makes the file system refuse RENAME_NOREPLACE, as some network and FUSE file systems do.
bool g_refuseNoReplace = false;

} // namespace

// Stands for the C library's renameat2 in this test program, so that the refusal can be injected.
extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags) noexcept
{
    if (g_refuseNoReplace && (flags & RENAME_NOREPLACE) != 0) {
        errno = EINVAL;
        return -1;
    }
    return int(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

namespace {

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(FileWriter, ReplacesTheWholeFile)
{
    TempDir dir;
    dir.write("a.wps", "old content that is longer\r\n");
    QString error;
    ASSERT_TRUE(FileWriter::standard().writeAtomically(dir.file("a.wps"), "new\r\n", &error));
    EXPECT_EQ(dir.read("a.wps"), "new\r\n");
    EXPECT_EQ(namesIn(dir.path()), QStringList({"a.wps"}));
    ASSERT_TRUE(FileWriter::standard().writeAtomically(dir.file("empty.sps"), QByteArray(), &error));
    EXPECT_TRUE(dir.exists("empty.sps"));
}

TEST(FileWriter, FailureAtAnyPointKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const QByteArray old = "old\r\n";
    const QByteArray replacement(10000, 'n');
    for (qint64 limit : {0, 1, 4096, 9999}) {
        TempDir dir;
        dir.write("a.wps", old);
        QString error;
        int code = 0;
        EXPECT_FALSE(FailingFileWriter(limit).writeAtomically(dir.file("a.wps"), replacement, &error, &code)) << limit;
        EXPECT_EQ(dir.read("a.wps"), old) << limit;
        EXPECT_TRUE(error.contains("a.wps")) << limit;
        EXPECT_EQ(code, QFileDevice::WriteError) << limit;
        EXPECT_EQ(namesIn(dir.path()), QStringList({"a.wps"})) << limit;
    }
}

TEST(FileWriter, AFailedFlushToTheDiskKeepsTheOldFile)
{
    TempDir dir;
    dir.write("opcje.ini", "[jezyk]\r\nnazwa=Polski\r\n");
    QString error;
    int code = 0;
    EXPECT_FALSE(FileWriterFailingSync().writeAtomically(dir.file("opcje.ini"), "[jezyk]\r\n", &error, &code));
    EXPECT_EQ(dir.read("opcje.ini"), "[jezyk]\r\nnazwa=Polski\r\n");
    EXPECT_EQ(code, QFileDevice::WriteError);
    EXPECT_EQ(namesIn(dir.path()), QStringList({"opcje.ini"}));
}

// Some file systems report a write error only when the file is closed, or when the folder is synced.
TEST(FileWriter, AFailedCloseOrFolderSyncIsAFailure)
{
    class FailingClose : public FileWriter {
    protected:
        int closeFile(int fd) const override
        {
            ::close(fd);
            errno = EIO;
            return -1;
        }
    };
    class FailingFolderSync : public FileWriter {
    protected:
        bool syncFolder(int) const override
        {
            errno = EIO;
            return false;
        }
    };
    TempDir dir;
    dir.write("a.wps", "old");
    QString error;
    int code = 0;
    EXPECT_FALSE(FailingClose().writeAtomically(dir.file("a.wps"), "new", &error, &code));
    EXPECT_EQ(code, QFileDevice::WriteError);
    EXPECT_TRUE(error.contains("a.wps"));
    EXPECT_EQ(dir.read("a.wps"), "old");
    EXPECT_EQ(namesIn(dir.path()), QStringList({"a.wps"}));
    // The rename was done: the new content may stand, but the write is not reported as done.
    code = 0;
    EXPECT_FALSE(FailingFolderSync().writeAtomically(dir.file("a.wps"), "new", &error, &code));
    EXPECT_EQ(code, QFileDevice::WriteError);
    EXPECT_EQ(namesIn(dir.path()), QStringList({"a.wps"}));
}

// A temporary file left by a killed program of the same process id is never written into.
TEST(FileWriter, NeverWritesIntoALeftoverTemporaryFile)
{
    // A writer that tells the name of its temporary file.
    class Naming : public FileWriter {
    public:
        mutable QString used;

    protected:
        qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const override
        {
            used = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd))).fileName();
            return FileWriter::writeChunk(target, fd, data, size);
        }
    };
    TempDir dir;
    const Naming naming;
    ASSERT_TRUE(naming.writeAtomically(dir.file("a.wps"), "first", nullptr));
    const QString stem = naming.used.section(u'-', 0, 1) + u'-';
    const int last = naming.used.section(u'-', 2).chopped(4).toInt();
    ASSERT_TRUE(FileWriter::isTemporaryName(naming.used)) << naming.used.toStdString();
    const QByteArray leftover = "a killed program's half-written file, longer than the new one";
    QStringList expected{"a.wps"};
    for (int n = last + 1; n <= last + 3; ++n) {
        dir.write(stem + QString::number(n) + ".tmp", leftover);
        expected.append(stem + QString::number(n) + ".tmp");
    }
    ASSERT_TRUE(naming.writeAtomically(dir.file("a.wps"), "second", nullptr));
    EXPECT_EQ(dir.read("a.wps"), "second");
    for (int n = last + 1; n <= last + 3; ++n)
        EXPECT_EQ(dir.read(stem + QString::number(n) + ".tmp"), leftover);
    expected.sort();
    EXPECT_EQ(namesIn(dir.path()), expected);
}

TEST(FileWriter, FailureOnANewFileCreatesNothing)
{
    TempDir dir;
    QString error;
    int code = 0;
    EXPECT_FALSE(FailingFileWriter(3).writeAtomically(dir.file("new.wps"), "content", &error));
    EXPECT_FALSE(dir.exists("new.wps"));
    EXPECT_FALSE(FileWriter::standard().writeAtomically(dir.file("no/such/folder.wps"), "x", &error, &code));
    EXPECT_EQ(code, QFileDevice::OpenError);
    // A folder standing where the file should go: the rename fails and the folder stays as it was.
    dir.write("taken/inside.txt", "x");
    EXPECT_FALSE(FileWriter::standard().writeAtomically(dir.file("taken"), "new", &error, &code));
    EXPECT_EQ(code, QFileDevice::RenameError);
    EXPECT_EQ(dir.read("taken/inside.txt"), "x");
    EXPECT_EQ(namesIn(dir.path()), QStringList({"taken"}));
}

// A write past the file-size limit fails with EFBIG; the writer must see it at whatever byte it
// happens, including when everything still fits into a buffer.
TEST(FileWriter, AFileSizeLimitKeepsTheOldFileInAChildProcess)
{
    const QByteArray old(1658, 'o');
    const QByteArray replacement(10000, 'n');
    for (qint64 limit : {0, 1, 1657, 4096, 9999}) {
        TempDir dir;
        const QString path = dir.write("1-2-3.wps", old);
        const bool failedAsExpected = runUnderFileSizeLimit(limit, [&] {
            QString error;
            int code = 0;
            return !FileWriter::standard().writeAtomically(path, replacement, &error, &code) &&
                   error.contains("1-2-3.wps") && code == QFileDevice::WriteError;
        });
        EXPECT_TRUE(failedAsExpected) << limit;
        EXPECT_EQ(dir.read("1-2-3.wps"), old) << limit;
        EXPECT_EQ(namesIn(dir.path()), QStringList({"1-2-3.wps"})) << limit;
    }
    // Under the limit the same child writes: the limit, not the harness, made the writes fail.
    TempDir dir;
    const QString path = dir.write("1-2-3.wps", old);
    EXPECT_TRUE(runUnderFileSizeLimit(
        replacement.size(), [&] { return FileWriter::standard().writeAtomically(path, replacement, nullptr); }));
    EXPECT_EQ(dir.read("1-2-3.wps"), replacement);
}

TEST(FileWriter, AFullDiskKeepsTheOldFile)
{
    FullDisk disk;
    SKIP_WITHOUT_FULL_DISK(disk);
    const QByteArray old = "<$@$>nazwisko</$@$>Jan Kowalski\r\n";
    disk.write("1-2-3.wps", old);
    ASSERT_TRUE(disk.fill());
    for (const QByteArray& replacement : {QByteArray("x"), old, QByteArray(100000, 'n')}) {
        QString error;
        int code = 0;
        EXPECT_FALSE(FileWriter::standard().writeAtomically(disk.file("1-2-3.wps"), replacement, &error, &code))
            << replacement.size();
        EXPECT_EQ(code, QFileDevice::WriteError);
        EXPECT_EQ(disk.read("1-2-3.wps"), old);
        EXPECT_EQ(disk.names(), QStringList({"1-2-3.wps", "filler"}));
    }
}

TEST(FileWriter, KeepsTheModeOfTheFileAndWritesThroughASymlink)
{
    TempDir dir;
    const QString path = dir.write("opcje.ini", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(FileWriter::standard().writeAtomically(path, "new", nullptr));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A settings file kept elsewhere through a link stays linked.
    const QString real = dir.write("elsewhere/opcje.ini", "old");
    ASSERT_TRUE(QFile::link(real, dir.file("linked.ini")));
    ASSERT_TRUE(FileWriter::standard().writeAtomically(dir.file("linked.ini"), "new", nullptr));
    EXPECT_TRUE(QFileInfo(dir.file("linked.ini")).isSymLink());
    EXPECT_EQ(dir.read("elsewhere/opcje.ini"), "new");
    EXPECT_EQ(namesIn(dir.file("elsewhere")), QStringList({"opcje.ini"}));
}

TEST(FileWriter, TemporaryNamesAreOursAlone)
{
    TempDir dir;
    QString seen;
    // A writer that looks into the folder while its temporary file is there.
    class Peeking : public FileWriter {
    public:
        explicit Peeking(QString* seen, QString folder)
            : m_seen(seen)
            , m_folder(std::move(folder))
        {}

    protected:
        qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const override
        {
            for (const QString& name : namesIn(m_folder)) {
                if (name != QLatin1String("a.wps"))
                    *m_seen = name;
            }
            return FileWriter::writeChunk(target, fd, data, size);
        }

    private:
        QString* m_seen;
        QString m_folder;
    };
    dir.write("a.wps", "old");
    ASSERT_TRUE(Peeking(&seen, dir.path()).writeAtomically(dir.file("a.wps"), "new", nullptr));
    EXPECT_TRUE(FileWriter::isTemporaryName(seen)) << seen.toStdString();
    for (const char* name : {"a.wps", "1-2-3.wps", "a.wps.tmp", ".zubo-x-1.tmp", ".zubo-12-3.tmp.wps", "zubo-12-3.tmp",
                             ".zubo--3.tmp", ".ZUBO-12-3.TMP"})
        EXPECT_FALSE(FileWriter::isTemporaryName(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(FileWriter::isTemporaryName(".zubo-12-3.tmp"));
}

TEST(FileWriter, CreateExclusiveRefusesAnExistingFile)
{
    TempDir dir;
    QString error;
    EXPECT_TRUE(FileWriter::standard().createExclusive(dir.file("n.wps"), &error));
    EXPECT_FALSE(FileWriter::standard().createExclusive(dir.file("n.wps"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RenameWithoutReplacing, MovesAFileButNeverOverAnother)
{
    TempDir dir;
    dir.write("x.wps", "person");
    dir.write("y.wpb", "binned");
    int code = 0;
    EXPECT_FALSE(renameWithoutReplacing(dir.file("x.wps"), dir.file("y.wpb"), &code));
    EXPECT_EQ(code, QFileDevice::RenameError);
    EXPECT_EQ(dir.read("x.wps"), "person");
    EXPECT_EQ(dir.read("y.wpb"), "binned");
    EXPECT_TRUE(renameWithoutReplacing(dir.file("x.wps"), dir.file("x.wpb"), &code));
    EXPECT_EQ(dir.read("x.wpb"), "person");
    EXPECT_FALSE(dir.exists("x.wps"));
    EXPECT_FALSE(renameWithoutReplacing(dir.file("gone.wps"), dir.file("gone.wpb"), &code));
}

TEST(RenameWithoutReplacing, WhereTheFileSystemRefusesTheFlagStillNeverReplaces)
{
    TempDir dir;
    dir.write("x.wps", "person");
    dir.write("x.wpb", "older bin entry");
    g_refuseNoReplace = true;
    int code = 0;
    const bool over = renameWithoutReplacing(dir.file("x.wps"), dir.file("x.wpb"), &code);
    const bool beside = renameWithoutReplacing(dir.file("x.wps"), dir.file("y.wpb"), nullptr);
    g_refuseNoReplace = false;
    EXPECT_FALSE(over);
    EXPECT_EQ(code, QFileDevice::RenameError);
    EXPECT_EQ(dir.read("x.wpb"), "older bin entry");
    EXPECT_TRUE(beside);
    EXPECT_EQ(dir.read("y.wpb"), "person");
    EXPECT_EQ(namesIn(dir.path()), QStringList({"x.wpb", "y.wpb"}));
}

} // namespace
