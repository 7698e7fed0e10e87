#include "support.h"

#include "codec1250.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

CLocaleSession::CLocaleSession()
    : m_previousC(std::setlocale(LC_ALL, nullptr))
{
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

CLocaleSession::~CLocaleSession()
{
    QLocale::setDefault(m_previous);
    std::setlocale(LC_ALL, m_previousC.constData());
}

TempDir::TempDir()
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "cannot create a temporary folder";
}

QString TempDir::path() const
{
    return m_dir.path() + u'/';
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << full.toStdString();
    return full;
}

QString TempDir::write(const QString& name, const QByteArray& bytes, const QDateTime& modified) const
{
    QFile f(write(name, bytes));
    if (!f.open(QIODevice::ReadWrite) || !f.setFileTime(modified, QFileDevice::FileModificationTime))
        ADD_FAILURE() << "cannot date " << f.fileName().toStdString();
    return f.fileName();
}

QByteArray TempDir::read(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool TempDir::exists(const QString& name) const
{
    return QFileInfo::exists(file(name));
}

QString TempDir::mkdir(const QString& name) const
{
    QDir().mkpath(file(name));
    return file(name) + u'/';
}

qint64 FileWriterFailingFor::writeChunk(const QString& target, int fd, const char* data, qint64 size) const
{
    if (m_failing.contains(target)) {
        errno = EIO;
        return -1;
    }
    return FileWriter::writeChunk(target, fd, data, size);
}

qint64 FailingFileWriter::writeChunk(const QString& target, int fd, const char* data, qint64 size) const
{
    if (m_left <= 0) {
        errno = ENOSPC;
        return -1;
    }
    const qint64 n = FileWriter::writeChunk(target, fd, data, std::min(size, m_left));
    m_left -= n;
    return n;
}

FullDisk::FullDisk(int kilobytes)
{
    const QByteArray where = QFile::encodeName(path());
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    if (::mount("zubo-test", where.constData(), "tmpfs", 0, options.constData()) != 0) {
        m_whyNot = QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    m_mounted = true;
}

FullDisk::~FullDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

QStringList FullDisk::names() const
{
    return QDir(path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

bool FullDisk::fill() const
{
    const int fd = ::open(QFile::encodeName(file(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // Large pieces first, then single bytes, until the very last one is taken.
    const QByteArray block(64 * 1024, 'f');
    bool full = false;
    for (qsizetype size : {block.size(), qsizetype(4096), qsizetype(1)}) {
        for (;;) {
            const ssize_t n = ::write(fd, block.constData(), size_t(size));
            if (n < 0) {
                full = errno == ENOSPC;
                break;
            }
        }
    }
    ::close(fd);
    return full;
}

bool runUnderFileSizeLimit(qint64 limit, const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit fsize{};
        ::getrlimit(RLIMIT_FSIZE, &fsize);
        fsize.rlim_cur = rlim_t(limit);
        if (::setrlimit(RLIMIT_FSIZE, &fsize) != 0)
            ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::optional<bool> runAsAnotherUser(const std::function<bool()>& body)
{
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool FailingTextReader::fails(const QString& path, int* code) const
{
    if (!m_failing.contains(path))
        return false;
    if (code)
        *code = QFileDevice::ReadError;
    return true;
}

std::optional<Lines> FailingTextReader::readLines(const QString& path, int* code) const
{
    if (fails(path, code))
        return std::nullopt;
    return TextReader::readLines(path, code);
}

std::optional<QByteArray> FailingTextReader::readFirstLine(const QString& path, int* code) const
{
    if (fails(path, code))
        return std::nullopt;
    return TextReader::readFirstLine(path, code);
}

bool FailingTextReader::readInto(const QString& path, QByteArray& buffer, int* code) const
{
    if (fails(path, code))
        return false;
    return TextReader::readInto(path, buffer, code);
}

bool FailingTextReader::readIn(const FolderListing& folder, const QByteArray& name, const QString& path,
                               QByteArray& buffer, int* code) const
{
    if (fails(path, code))
        return false;
    return TextReader::readIn(folder, name, path, buffer, code);
}

RecordingSoundPlayer::RecordingSoundPlayer()
    : m_previous(&SoundPlayer::current())
{
    SoundPlayer::setCurrent(this);
}

RecordingSoundPlayer::~RecordingSoundPlayer()
{
    SoundPlayer::setCurrent(m_previous);
}

SoundPlayer::Outcome RecordingSoundPlayer::playAndWait(const QString& path)
{
    std::unique_lock lock(m_mutex);
    m_played.append(path);
    m_playing = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_hold || !m_playing; });
    m_playing = false;
    return outcome;
}

void RecordingSoundPlayer::stop()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_stops;
        m_playing = false;
    }
    m_changed.notify_all();
}

QStringList RecordingSoundPlayer::played() const
{
    std::lock_guard lock(m_mutex);
    return m_played;
}

int RecordingSoundPlayer::stops() const
{
    std::lock_guard lock(m_mutex);
    return m_stops;
}

void RecordingSoundPlayer::holdSounds(bool on)
{
    {
        std::lock_guard lock(m_mutex);
        m_hold = on;
    }
    m_changed.notify_all();
}

void RecordingSoundPlayer::releaseSound()
{
    {
        std::lock_guard lock(m_mutex);
        m_playing = false;
    }
    m_changed.notify_all();
}

bool RecordingSoundPlayer::waitForSounds(int count, int ms) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_played.size() >= count; });
}

int SequenceRandom::below(int bound)
{
    const int n = m_numbers[m_next % m_numbers.size()];
    ++m_next;
    return n % bound;
}

QByteArray cp(const char* utf8)
{
    return cp1250::fromUnicode(QString::fromUtf8(utf8)).value();
}

QByteArray crlf(std::initializer_list<const char*> lines)
{
    QByteArray bytes;
    for (const char* line : lines) {
        bytes += cp(line);
        bytes += "\r\n";
    }
    return bytes;
}
