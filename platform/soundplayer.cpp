#include "soundplayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <numbers>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

SoundPlayer* g_current = nullptr;

QString findProgram(const QStringList& programs)
{
    for (const QString& candidate : programs) {
        if (QFileInfo(candidate).isAbsolute()) {
            if (QFileInfo(candidate).isExecutable())
                return candidate;
            continue;
        }
        const QString found = QStandardPaths::findExecutable(candidate);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

void appendLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray defaultSoundWave()
{
    constexpr int kRate = 22050;
    constexpr int kSamples = kRate / 6; // a sixth of a second
    constexpr double kPitch = 880.0;
    QByteArray data;
    for (int i = 0; i < kSamples; ++i) {
        // Faded in and out so the tone does not click.
        const double fade = std::min({1.0, i / 400.0, (kSamples - i) / 400.0});
        const double sample = 9000.0 * fade * std::sin(2 * std::numbers::pi * kPitch * i / kRate);
        appendLe(data, quint32(qint16(std::lround(sample))) & 0xFFFF, 2);
    }
    QByteArray wave("RIFF");
    appendLe(wave, quint32(36 + data.size()), 4);
    wave += "WAVEfmt ";
    appendLe(wave, 16, 4);        // format chunk size
    appendLe(wave, 1, 2);         // PCM
    appendLe(wave, 1, 2);         // mono
    appendLe(wave, kRate, 4);     // samples per second
    appendLe(wave, kRate * 2, 4); // bytes per second
    appendLe(wave, 2, 2);         // bytes per sample
    appendLe(wave, 16, 2);        // bits per sample
    wave += "data";
    appendLe(wave, quint32(data.size()), 4);
    return wave + data;
}

SoundPlayer& SoundPlayer::current()
{
    static ProgramSoundPlayer real;
    return g_current ? *g_current : real;
}

void SoundPlayer::setCurrent(SoundPlayer* player)
{
    g_current = player;
}

ProgramSoundPlayer::ProgramSoundPlayer(const QStringList& programs)
    : m_program(findProgram(programs))
{}

ProgramSoundPlayer::~ProgramSoundPlayer()
{
    stop();
}

ProgramSoundPlayer::Outcome ProgramSoundPlayer::playAndWait(const QString& path)
{
    if (m_program.isEmpty())
        return Outcome::NoPlayer;
    if (QFileInfo(path).isFile()) {
        const Run played = run(path);
        if (played != Run::Failed)
            return played == Run::Played ? Outcome::Played : Outcome::Stopped;
    }
    // A player that cannot play its own plain tone either has no device to play on.
    const QString tone = defaultSound();
    switch (tone.isEmpty() ? Run::Failed : run(tone)) {
    case Run::Played:
        return Outcome::Played;
    case Run::Stopped:
        return Outcome::Stopped;
    case Run::Failed:
        break;
    }
    return Outcome::NoDevice;
}

void ProgramSoundPlayer::stop()
{
    std::lock_guard lock(m_mutex);
    if (m_running > 0)
        ::kill(m_running, SIGTERM);
}

ProgramSoundPlayer::Run ProgramSoundPlayer::run(const QString& path)
{
    const QByteArray program = QFile::encodeName(m_program);
    const QByteArray file = QFile::encodeName(path);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(file.constData()), nullptr};

    // The players talk on their standard outputs; nobody reads them.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = 0;
    {
        std::lock_guard lock(m_mutex);
        spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ);
        if (spawned == 0)
            m_running = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return Run::Failed;

    // Wait for the end without reaping, so that stop() never signals a process id that the system
    // has already handed to another process.
    siginfo_t info{};
    while (waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    {
        std::lock_guard lock(m_mutex);
        m_running = 0;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status))
        return Run::Stopped;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Run::Played : Run::Failed;
}

QString ProgramSoundPlayer::defaultSound()
{
    std::lock_guard lock(m_mutex);
    if (!m_defaultSound) {
        // Created exclusively under a random name, never through a link someone planted in the shared
        // folder, readable by us alone, and removed with the player.
        auto file = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("zubo-XXXXXX-default.wav")));
        const QByteArray wave = defaultSoundWave();
        if (!file->open() || file->write(wave) != wave.size() || !file->flush())
            return QString();
        m_defaultSound = std::move(file);
    }
    return m_defaultSound->fileName();
}
