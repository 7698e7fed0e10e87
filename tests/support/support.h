#pragma once

#include "clock.h"
#include "fileremover.h"
#include "filewriter.h"
#include "randomsource.h"
#include "removabledrives.h"
#include "soundplayer.h"
#include "textreader.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <QMap>

#include <condition_variable>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <optional>
#include <ostream>

// Readable failure messages for Qt strings (found by GoogleTest through the argument's namespace).
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << '"' << b.toStdString() << '"';
}

// For its lifetime the process runs in the C locale, as a session without LANG does: QLocale()
// and the C library's locale are "C".
class CLocaleSession {
public:
    CLocaleSession();
    ~CLocaleSession();
    CLocaleSession(const CLocaleSession&) = delete;
    CLocaleSession& operator=(const CLocaleSession&) = delete;

private:
    QLocale m_previous;
    QByteArray m_previousC;
};

// A fresh folder removed after the test; path() ends in "/".
class TempDir {
public:
    TempDir();
    QString path() const;
    QString file(const QString& name) const { return path() + name; }
    // Writes a file (and its folders) with exactly these bytes; returns its full path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // The same, last changed at `modified`.
    QString write(const QString& name, const QByteArray& bytes, const QDateTime& modified) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;
    QString mkdir(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A small file system of its own (tmpfs) mounted on a fresh folder for the object's lifetime; fill()
// takes its last free byte, so that every later write fails with "no space left", as on a full disk.
// Mounting needs root (CI runs as root); where it is refused, mounted() is false and whyNot() says
// why, and the test skips itself.
class FullDisk : public TempDir {
public:
    explicit FullDisk(int kilobytes = 256);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& whyNot() const { return m_whyNot; }
    // Every file name in the folder, hidden ones included, sorted.
    QStringList names() const;
    // Writes a filler file until not one more byte fits; false when the disk never filled.
    bool fill() const;

private:
    bool m_mounted = false;
    QString m_whyNot;
};

#define SKIP_WITHOUT_FULL_DISK(disk)                                                                                   \
    if (!(disk).mounted())                                                                                             \
    GTEST_SKIP() << "no small file system to fill: " << (disk).whyNot().toStdString()

// Runs `body` in a child process (fork) whose files cannot grow beyond `limit` bytes, with SIGXFSZ
// ignored, so that a write past the limit fails with "file too large" as on a full disk. Returns
// what the body returned; false also when the child did not end normally.
bool runUnderFileSizeLimit(qint64 limit, const std::function<bool()>& body);

// Runs `body` in a child process (fork) that has given up root for the user "nobody", so that a file
// whose mode lets no one read it cannot be read, as for any user of the program. Nothing when the
// process cannot switch users (it does not run as root); else what the body returned, false also
// when the child did not end normally.
std::optional<bool> runAsAnotherUser(const std::function<bool()>& body);

// A writer whose writes fail after `limit` bytes, as on a full disk.
class FailingFileWriter : public FileWriter {
public:
    explicit FailingFileWriter(qint64 limit)
        : m_left(limit)
    {}

protected:
    qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const override;

private:
    mutable qint64 m_left;
};

// A writer whose writes fail for the files named here only, as for one damaged file among many.
class FileWriterFailingFor : public FileWriter {
public:
    explicit FileWriterFailingFor(QStringList failing)
        : m_failing(std::move(failing))
    {}

protected:
    qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const override;

private:
    QStringList m_failing;
};

// A writer whose every byte is written but whose flush to the disk fails, as when the disk reports
// an error only at the end.
class FileWriterFailingSync : public FileWriter {
protected:
    bool syncFile(int) const override { return false; }
};

// Reads like the real reader, except that the files named here fail with a read error, as on a
// damaged disk.
class FailingTextReader : public TextReader {
public:
    explicit FailingTextReader(QStringList failing)
        : m_failing(std::move(failing))
    {}
    std::optional<Lines> readLines(const QString& path, int* code = nullptr) const override;
    std::optional<QByteArray> readFirstLine(const QString& path, int* code = nullptr) const override;
    bool readInto(const QString& path, QByteArray& buffer, int* code = nullptr) const override;
    bool readIn(const FolderListing& folder, const QByteArray& name, const QString& path, QByteArray& buffer,
                int* code = nullptr) const override;

    // From now on `path` fails too, as a disk damaged while the program runs.
    void fail(const QString& path) { m_failing.append(path); }

private:
    bool fails(const QString& path, int* code) const;

    QStringList m_failing;
};

// Records every deletion asked for; the paths in `failing` are not deleted and report failure.
class RecordingRemover : public FileRemover {
public:
    explicit RecordingRemover(QStringList failing = {})
        : m_failing(std::move(failing))
    {}
    bool remove(const QString& path) const override
    {
        asked.append(path);
        return !m_failing.contains(path) && FileRemover::remove(path);
    }
    mutable QStringList asked;

private:
    QStringList m_failing;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate day, std::int64_t ticks = 0)
        : m_day(day)
        , m_ticks(ticks)
    {}
    QDate today() const override { return m_day; }
    QDateTime now() const override { return QDateTime(m_day, m_time); }
    std::int64_t ticks() const override { return m_ticks; }
    void setToday(QDate day) { m_day = day; }
    void setTime(QTime time) { m_time = time; }
    void advance(std::int64_t ms) { m_ticks += ms; }

private:
    QDate m_day;
    QTime m_time{12, 0};
    std::int64_t m_ticks;
};

// Gives the listed numbers in turn, then starts again.
class SequenceRandom : public RandomSource {
public:
    SequenceRandom(std::initializer_list<int> numbers)
        : m_numbers(numbers)
    {}
    int below(int bound) override;
    int drawn() const { return m_next; }

private:
    QList<int> m_numbers;
    int m_next = 0;
};

// Records the sounds played and the stops, from any thread; installs itself for its lifetime. A
// sound is over at once, or, while `holdSounds` is on, lasts until stop() or releaseSound().
class RecordingSoundPlayer : public SoundPlayer {
public:
    RecordingSoundPlayer();
    ~RecordingSoundPlayer() override;
    RecordingSoundPlayer(const RecordingSoundPlayer&) = delete;
    RecordingSoundPlayer& operator=(const RecordingSoundPlayer&) = delete;

    Outcome playAndWait(const QString& path) override;
    void stop() override;

    // What every sound comes to (set before a reading starts).
    Outcome outcome = Outcome::Played;
    QStringList played() const;
    int stops() const;
    void holdSounds(bool on);
    // Ends the sound being held.
    void releaseSound();
    // Waits up to `ms` until `count` sounds have started; false when they have not.
    bool waitForSounds(int count, int ms = 5000) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    QStringList m_played;
    int m_stops = 0;
    bool m_hold = false;
    bool m_playing = false;
    SoundPlayer* m_previous;
};

// Removable drives whose letters the test maps to folders; installs itself for its lifetime.
class FakeRemovableDrives : public RemovableDrives {
public:
    FakeRemovableDrives() { RemovableDrives::setCurrent(this); }
    ~FakeRemovableDrives() override { RemovableDrives::setCurrent(nullptr); }
    FakeRemovableDrives(const FakeRemovableDrives&) = delete;
    FakeRemovableDrives& operator=(const FakeRemovableDrives&) = delete;

    QString rootOf(QChar letter) const override { return roots.value(letter.toLower()); }

    QMap<QChar, QString> roots;
};

// Code page 1250 bytes of a text written in UTF-8 in the test source; for fixtures whose bytes are
// not themselves under test.
QByteArray cp(const char* utf8);

// Lines joined with CR LF after each, as the programs write them.
QByteArray crlf(std::initializer_list<const char*> lines);
