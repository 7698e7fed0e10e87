#include "filewriter.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<unsigned> g_nextTemporary{0};

QString causeOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Gives the descriptor up without closing it.
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

} // namespace

QString fileWrittenFor(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

bool FileWriter::writeAtomically(const QString& path, const QByteArray& bytes, QString* error, int* code) const
{
    const auto fail = [&](QFileDevice::FileError what, int cause) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, causeOf(cause));
        if (code)
            *code = what;
        return false;
    };
    const QFileInfo target(fileWrittenFor(path));
    const QByteArray name = QFile::encodeName(target.fileName());
    // Everything is done relative to the folder once opened, so a folder renamed meanwhile cannot
    // send the file elsewhere.
    const Descriptor folder(
        ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0)
        return fail(QFileDevice::OpenError, errno);

    struct stat old {};
    const bool replacing = ::fstatat(folder.get(), name.constData(), &old, 0) == 0 && S_ISREG(old.st_mode);

    // Exclusive and never through a symlink: a name already there, whatever it is, is skipped.
    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; file.get() < 0; ++attempt) {
        temporary =
            ".zubo-" + QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(g_nextTemporary++) + ".tmp";
        file.reset(
            ::openat(folder.get(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.get() < 0 && (errno != EEXIST || attempt >= 100))
            return fail(QFileDevice::OpenError, errno);
    }
    const auto discard = [&](QFileDevice::FileError what, int cause) {
        file.reset(-1);
        ::unlinkat(folder.get(), temporary.constData(), 0);
        return fail(what, cause);
    };
    // A private file stays private. Some file systems (a FAT medium) refuse modes; that is no failure.
    if (replacing)
        (void)::fchmod(file.get(), old.st_mode & 0777);

    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = writeChunk(path, file.get(), bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return discard(QFileDevice::WriteError, n < 0 ? errno : ENOSPC);
        done += n;
    }
    if (!syncFile(file.get()))
        return discard(QFileDevice::WriteError, errno);
    // On some file systems a write error shows only when the file is closed.
    if (closeFile(file.release()) != 0)
        return discard(QFileDevice::WriteError, errno);
    if (::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0)
        return discard(QFileDevice::RenameError, errno);
    // The rename itself reaches the disk with the folder.
    if (!syncFolder(folder.get()))
        return fail(QFileDevice::WriteError, errno);
    return true;
}

bool FileWriter::createExclusive(const QString& path, QString* error) const
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

bool FileWriter::isTemporaryName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.zubo-[0-9]+-[0-9]+\\.tmp$"));
    return pattern.match(fileName).hasMatch();
}

const FileWriter& FileWriter::standard()
{
    static const FileWriter writer;
    return writer;
}

qint64 FileWriter::writeChunk(const QString&, int fd, const char* data, qint64 size) const
{
    return ::write(fd, data, size_t(size));
}

bool FileWriter::syncFile(int fd) const
{
    return ::fsync(fd) == 0;
}

int FileWriter::closeFile(int fd) const
{
    return ::close(fd);
}

bool FileWriter::syncFolder(int fd) const
{
    // File systems that cannot sync a folder say EINVAL.
    return ::fsync(fd) == 0 || errno == EINVAL;
}

bool renameWithoutReplacing(const QString& from, const QString& to, int* code)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    int result = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (result != 0 && errno == EINVAL) {
        // A file system that does not know the flag: look first, then rename.
        struct stat st {};
        if (::lstat(target.constData(), &st) == 0)
            errno = EEXIST;
        else
            result = ::rename(source.constData(), target.constData());
    }
    if (result != 0 && code)
        *code = QFileDevice::RenameError;
    return result == 0;
}
