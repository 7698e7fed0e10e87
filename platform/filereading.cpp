#include "filereading.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Room for any ordinary person file, so a listing's buffer grows at most for an odd big file.
constexpr qsizetype kFirstCapacity = 64 * 1024;

// Non-blocking, so a special file put in place of a listed one cannot hold the reader up; a plain
// file reads the same either way.
constexpr int kOpenFlags = O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

// With `shortReadEnds`, a read that fills less than the room given ends the file, as it does for a
// plain file; otherwise only a read of nothing does.
ReadResult readOpened(int fd, QByteArray& buffer, bool shortReadEnds)
{
    if (fd < 0) {
        buffer.resize(0);
        return ReadResult::OpenFailed;
    }
    buffer.resize(0);
    buffer.reserve(kFirstCapacity);
    qsizetype size = 0;
    for (;;) {
        if (size == buffer.capacity())
            buffer.reserve(2 * size);
        // Grows to the room already there without filling it.
        buffer.resize(buffer.capacity());
        const ssize_t n = ::read(fd, buffer.data() + size, std::size_t(buffer.size() - size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            buffer.resize(0);
            return ReadResult::ReadFailed;
        }
        if (n == 0)
            break;
        const bool filled = size + n == buffer.size();
        size += n;
        if (shortReadEnds && !filled)
            break;
    }
    ::close(fd);
    buffer.resize(size);
    return ReadResult::Read;
}

} // namespace

ReadResult readWholeFile(const QString& path, QByteArray& buffer)
{
    return readOpened(::open(QFile::encodeName(path).constData(), kOpenFlags), buffer, false);
}

ReadResult readWholeFileIn(int folder, const char* name, QByteArray& buffer)
{
    return readOpened(::openat(folder, name, kOpenFlags), buffer, true);
}
