#include "phonereading.h"

#include "support.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

TEST(SecondClick, IsAReleaseWithin700MsOfThePreviousOne)
{
    struct Case {
        std::int64_t previous, now;
        bool second;
    };
    // A tick count that went back, as after it wrapped, counts as within the time.
    const Case cases[] = {{1000, 1699, true}, {1000, 1700, false}, {0, 100000, false}, {5000, 4000, true}};
    for (const Case& c : cases)
        EXPECT_EQ(isSecondClick(c.now, c.previous), c.second) << c.previous << " " << c.now;
}

TEST(DigitSounds, AreTheDigitsOfTheNumberInOrder)
{
    EXPECT_EQ(digitSounds("/p/wav/", "+48 (22) 123-45"),
              QStringList({"/p/wav/4.wav", "/p/wav/8.wav", "/p/wav/2.wav", "/p/wav/2.wav", "/p/wav/1.wav",
                           "/p/wav/2.wav", "/p/wav/3.wav", "/p/wav/4.wav", "/p/wav/5.wav"}));
    EXPECT_EQ(digitSounds("/p/wav/", "brak numeru"), QStringList());
}

class NumberReaderTest : public ::testing::Test {
protected:
    RecordingSoundPlayer player;
    const QStringList three{"/w/1.wav", "/w/2.wav", "/w/3.wav"};
};

TEST_F(NumberReaderTest, StopsAnySoundThenPlaysEveryDigitWhileThePanelIsShown)
{
    NumberReader reader;
    reader.setShown(true);
    ASSERT_TRUE(reader.start(player, three, 0));
    reader.waitUntilIdle();
    EXPECT_EQ(player.played(), three);
    EXPECT_EQ(player.stops(), 1);

    // A number without digits ends without a sound.
    ASSERT_TRUE(reader.start(player, {}, 0));
    reader.waitUntilIdle();
    EXPECT_EQ(player.played(), three);
}

// Without a player or a sound device the first digit ends the reading, and the reason is handed on
// once; a reading that plays is no failure.
TEST_F(NumberReaderTest, AReadingThatCannotSoundEndsAtTheFirstDigitAndIsToldOnce)
{
    const struct {
        SoundPlayer::Outcome outcome;
        int played;
        QList<SoundPlayer::Outcome> told;
    } cases[] = {
        {SoundPlayer::Outcome::NoPlayer, 1, {SoundPlayer::Outcome::NoPlayer}},
        {SoundPlayer::Outcome::NoDevice, 1, {SoundPlayer::Outcome::NoDevice}},
        {SoundPlayer::Outcome::Played, 3, {}},
    };
    for (const auto& c : cases) {
        RecordingSoundPlayer sounds;
        sounds.outcome = c.outcome;
        NumberReader reader;
        reader.setShown(true);
        QList<SoundPlayer::Outcome> told;
        ASSERT_TRUE(reader.start(sounds, three, 0, [&](SoundPlayer::Outcome o) { told << o; }));
        reader.waitUntilIdle();
        EXPECT_EQ(sounds.played().size(), c.played);
        EXPECT_EQ(told, c.told);
    }
}

TEST_F(NumberReaderTest, OneReadingAtATime)
{
    NumberReader reader;
    reader.setShown(true);
    player.holdSounds(true);
    ASSERT_TRUE(reader.start(player, three, 0));
    ASSERT_TRUE(player.waitForSounds(1));
    EXPECT_FALSE(reader.idle());
    EXPECT_FALSE(reader.start(player, {"/w/9.wav"}, 0));
    player.holdSounds(false);
    reader.waitUntilIdle();
    EXPECT_EQ(player.played(), three);
    EXPECT_TRUE(reader.start(player, {"/w/9.wav"}, 0));
    reader.waitUntilIdle();
    EXPECT_EQ(player.played().last(), "/w/9.wav");
}

TEST_F(NumberReaderTest, HidingThePanelEndsTheReadingAfterTheDigitBeingPlayed)
{
    NumberReader reader;
    reader.setShown(true);
    player.holdSounds(true);
    ASSERT_TRUE(reader.start(player, three, 0));
    ASSERT_TRUE(player.waitForSounds(1));
    reader.setShown(false);
    player.releaseSound();
    reader.waitUntilIdle();
    EXPECT_EQ(player.played(), QStringList({"/w/1.wav"}));
}

TEST_F(NumberReaderTest, HidingThePanelDuringTheDelayEndsItWithoutASound)
{
    NumberReader reader;
    reader.setShown(true);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(reader.start(player, three, 10000));
    reader.setShown(false);
    reader.waitUntilIdle();
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(player.played().isEmpty());
}

TEST_F(NumberReaderTest, TheDelayComesBeforeTheFirstDigit)
{
    NumberReader reader;
    reader.setShown(true);
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(reader.start(player, {"/w/1.wav"}, 300));
    EXPECT_EQ(reader.lastDelayMs(), 300);
    ASSERT_TRUE(player.waitForSounds(1));
    EXPECT_GE(timer.elapsed(), 300);
    reader.waitUntilIdle();
}

TEST_F(NumberReaderTest, AReaderDestroyedWhileASoundPlaysStopsItAndWaitsForItsWorker)
{
    player.holdSounds(true);
    {
        NumberReader reader;
        reader.setShown(true);
        ASSERT_TRUE(reader.start(player, three, 0));
        ASSERT_TRUE(player.waitForSounds(1));
    }
    EXPECT_EQ(player.played(), QStringList({"/w/1.wav"}));
    EXPECT_EQ(player.stops(), 2); // the reading's own first step, then the end
}

} // namespace
