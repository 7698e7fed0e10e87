#pragma once

#include "soundplayer.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// Double clicks on the main window's lists are told by the program itself: a mouse release less
// than 700 ms after the previous one, on the clock's millisecond ticks. A tick count that went
// backwards also counts as within the time.
inline constexpr std::int64_t kSecondClickMs = 700;
bool isSecondClick(std::int64_t now, std::int64_t previous);

// The sound files that read a phone number aloud: <soundDir><digit>.wav (soundDir ending in "/") for
// every digit of the number, in order; every other character (plus, blanks, brackets, hyphens) is
// skipped.
QStringList digitSounds(const QString& soundDir, const QString& number);

// Reads a phone number aloud in a worker thread of its own, one sound file per digit, after an
// optional delay that leaves time to pick up the receiver. The reading goes on only while the panel
// that shows the number is shown: hiding it ends the wait at once and the reading after the digit
// being played. One reading at a time.
class NumberReader {
public:
    NumberReader() = default;
    // Ends a running reading (its sound is stopped) and waits for the worker.
    ~NumberReader();
    NumberReader(const NumberReader&) = delete;
    NumberReader& operator=(const NumberReader&) = delete;

    // What ended a reading early: no player, or no sound device. Called once, from the worker.
    using Failed = std::function<void(SoundPlayer::Outcome)>;

    // Starts a reading: the player first stops any sound, then the worker waits `delayMs` and plays
    // the files in turn. A sound that cannot be played for want of a player or a device ends the
    // reading and is handed to `failed`, unless the reader is being destroyed. While a reading runs
    // it does nothing and gives false.
    bool start(SoundPlayer& player, QStringList sounds, int delayMs, Failed failed = {});
    // Whether the panel with the number is shown; set from the GUI thread whenever that changes.
    void setShown(bool shown);
    // No reading runs.
    bool idle() const;
    // Blocks until no reading runs (for tests).
    void waitUntilIdle();
    // The delay the last reading was started with (for tests, which do not wait seconds for it).
    int lastDelayMs() const;

private:
    void read(SoundPlayer& player, const QStringList& sounds, int delayMs, const Failed& failed);
    bool goesOn() const; // under m_mutex

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_idle = true;
    bool m_shown = false;
    bool m_closing = false;
    SoundPlayer* m_player = nullptr; // of the running reading
    int m_lastDelayMs = 0;
    std::thread m_worker;
};
