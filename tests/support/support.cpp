#include "support.h"

#include "codec1250.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>

#include <gtest/gtest.h>

#include <clocale>

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

qint64 FileWriterFailingFor::writeChunk(QIODevice& file, const char* data, qint64 size) const
{
    // The device is the writer's temporary file, which knows the name of the file it replaces.
    const auto* device = qobject_cast<const QFileDevice*>(&file);
    if (device && m_failing.contains(device->fileName()))
        return -1;
    return FileWriter::writeChunk(file, data, size);
}

qint64 FailingFileWriter::writeChunk(QIODevice& file, const char* data, qint64 size) const
{
    if (m_left <= 0)
        return -1;
    const qint64 n = FileWriter::writeChunk(file, data, std::min(size, m_left));
    m_left -= n;
    return n;
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

RecordingSoundPlayer::RecordingSoundPlayer()
    : m_previous(&SoundPlayer::current())
{
    SoundPlayer::setCurrent(this);
}

RecordingSoundPlayer::~RecordingSoundPlayer()
{
    SoundPlayer::setCurrent(m_previous);
}

void RecordingSoundPlayer::playAndWait(const QString& path)
{
    std::unique_lock lock(m_mutex);
    m_played.append(path);
    m_playing = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_hold || !m_playing; });
    m_playing = false;
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
