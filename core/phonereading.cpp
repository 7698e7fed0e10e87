#include "phonereading.h"

#include <chrono>
#include <optional>

bool isSecondClick(std::int64_t now, std::int64_t previous)
{
    return now - previous < kSecondClickMs;
}

QStringList digitSounds(const QString& soundDir, const QString& number)
{
    QStringList sounds;
    for (const QChar c : number) {
        if (c >= u'0' && c <= u'9')
            sounds.append(soundDir + c + QStringLiteral(".wav"));
    }
    return sounds;
}

NumberReader::~NumberReader()
{
    SoundPlayer* player = nullptr;
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
        player = m_idle ? nullptr : m_player;
    }
    m_changed.notify_all();
    if (player)
        player->stop();
    if (m_worker.joinable())
        m_worker.join();
}

bool NumberReader::start(SoundPlayer& player, QStringList sounds, int delayMs, Failed failed)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle || m_closing)
            return false;
        // Marked busy here rather than in the worker, so a second command given before the worker
        // runs cannot start a second reading.
        m_idle = false;
        m_player = &player;
        m_lastDelayMs = delayMs;
    }
    // The previous worker has finished: it marked the reader idle as its last step.
    if (m_worker.joinable())
        m_worker.join();
    m_worker = std::thread([this, &player, sounds = std::move(sounds), delayMs, failed = std::move(failed)] {
        read(player, sounds, delayMs, failed);
    });
    return true;
}

void NumberReader::setShown(bool shown)
{
    {
        std::lock_guard lock(m_mutex);
        m_shown = shown;
    }
    m_changed.notify_all();
}

bool NumberReader::idle() const
{
    std::lock_guard lock(m_mutex);
    return m_idle;
}

void NumberReader::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_idle; });
}

int NumberReader::lastDelayMs() const
{
    std::lock_guard lock(m_mutex);
    return m_lastDelayMs;
}

bool NumberReader::goesOn() const
{
    return m_shown && !m_closing;
}

void NumberReader::read(SoundPlayer& player, const QStringList& sounds, int delayMs, const Failed& failed)
{
    player.stop();
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(delayMs), [this] { return !goesOn(); });
    std::optional<SoundPlayer::Outcome> failure;
    for (const QString& sound : sounds) {
        if (!goesOn())
            break;
        lock.unlock();
        const SoundPlayer::Outcome outcome = player.playAndWait(sound);
        lock.lock();
        // The other digits would fail alike: one failure ends the reading and is told once.
        if (outcome == SoundPlayer::Outcome::NoPlayer || outcome == SoundPlayer::Outcome::NoDevice) {
            failure = outcome;
            break;
        }
    }
    // Told before the reader counts as idle, so whoever waits for the end finds it told.
    if (failure && failed && !m_closing) {
        lock.unlock();
        failed(*failure);
        lock.lock();
    }
    m_idle = true;
    lock.unlock();
    m_changed.notify_all();
}
