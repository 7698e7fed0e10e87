#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <sys/types.h>

class QTemporaryFile;

// Plays the wave files of the phone read-aloud. playAndWait is called from a worker thread and
// stop from any thread. Tests install a double that records what was played.
class SoundPlayer {
public:
    enum class Outcome {
        Played,   // the file, or the default sound in its place
        Stopped,  // by stop()
        NoPlayer, // no program to play sounds with
        NoDevice, // the player could play neither the file nor the default sound: no sound device
    };

    virtual ~SoundPlayer() = default;
    // Plays a wave file and returns when it has ended or was stopped. A file that is missing or
    // cannot be played gives a short default sound instead, so a skipped digit is still heard.
    virtual Outcome playAndWait(const QString& path) = 0;
    // Stops the sound being played, if any.
    virtual void stop() = 0;

    static SoundPlayer& current();
    static void setCurrent(SoundPlayer* player);
};

// The real player: runs the first player program found of `programs` (names looked up in PATH, or
// full paths) with the file as its one argument, and stops it by ending that process.
class ProgramSoundPlayer : public SoundPlayer {
public:
    explicit ProgramSoundPlayer(const QStringList& programs = {QStringLiteral("pw-play"), QStringLiteral("paplay"),
                                                               QStringLiteral("aplay")});
    ~ProgramSoundPlayer() override;
    ProgramSoundPlayer(const ProgramSoundPlayer&) = delete;
    ProgramSoundPlayer& operator=(const ProgramSoundPlayer&) = delete;

    Outcome playAndWait(const QString& path) override;
    void stop() override;

    // The program in use; empty when none of the candidates was found (nothing is then played).
    const QString& program() const { return m_program; }

private:
    enum class Run { Played, Failed, Stopped };
    Run run(const QString& path);
    QString defaultSound();

    QString m_program;
    std::mutex m_mutex;
    pid_t m_running = 0; // the player process, 0 when none
    std::unique_ptr<QTemporaryFile> m_defaultSound;
};

// The default sound: a short tone as a complete 16-bit mono wave file.
QByteArray defaultSoundWave();
