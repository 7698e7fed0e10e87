#include "soundplayer.h"

#include "support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <thread>

namespace {

// A player program that logs what it was asked to play and how that began, then plays for
// `seconds`; it fails on files whose name holds "bad", as a player fails on a file it cannot read.
QString fakePlayer(const TempDir& dir, const char* seconds)
{
    const QString script =
        dir.write("player.sh", QByteArray("#!/bin/sh\n"
                                          "printf '%s %s\\n' \"$1\" \"$(head -c 4 \"$1\")\" >> \"$0.log\"\n"
                                          "case \"$1\" in *bad*) exit 1;; esac\n"
                                          "exec sleep ") +
                                   seconds + "\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

QStringList logged(const TempDir& dir)
{
    return QString::fromUtf8(dir.read("player.sh.log")).split(u'\n', Qt::SkipEmptyParts);
}

TEST(ProgramSoundPlayer, TakesTheFirstPlayerFound)
{
    TempDir dir;
    const QString script = fakePlayer(dir, "0");
    EXPECT_EQ(ProgramSoundPlayer({dir.file("none"), script}).program(), script);
    EXPECT_EQ(ProgramSoundPlayer({QStringLiteral("no-such-player-here"), QStringLiteral("sh")}).program(),
              QStandardPaths::findExecutable("sh"));
    EXPECT_EQ(ProgramSoundPlayer({dir.file("none")}).program(), "");
}

TEST(ProgramSoundPlayer, PlaysTheFileAndADefaultSoundForOneThatIsMissingOrCannotBePlayed)
{
    TempDir dir;
    ProgramSoundPlayer player({fakePlayer(dir, "0")});
    const QString good = dir.write("wav/1.wav", "RIFF....");
    const QString bad = dir.write("wav/bad.wav", "junk");
    EXPECT_EQ(player.playAndWait(good), SoundPlayer::Outcome::Played);
    EXPECT_EQ(player.playAndWait(dir.file("wav/2.wav")), SoundPlayer::Outcome::Played);
    EXPECT_EQ(player.playAndWait(bad), SoundPlayer::Outcome::Played);
    const QStringList log = logged(dir);
    ASSERT_EQ(log.size(), 4);
    EXPECT_EQ(log[0], good + " RIFF");
    EXPECT_TRUE(log[1].endsWith("-default.wav RIFF")) << log[1].toStdString();
    EXPECT_EQ(log[2], bad + " junk");
    EXPECT_EQ(log[3], log[1]);
}

TEST(ProgramSoundPlayer, StopEndsTheSoundBeingPlayedWithoutTheDefaultSound)
{
    TempDir dir;
    ProgramSoundPlayer player({fakePlayer(dir, "30")});
    const QString sound = dir.write("1.wav", "RIFF");
    QElapsedTimer timer;
    timer.start();
    SoundPlayer::Outcome outcome = SoundPlayer::Outcome::Played;
    std::thread worker([&] { outcome = player.playAndWait(sound); });
    while (logged(dir).isEmpty() && timer.elapsed() < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    player.stop();
    worker.join();
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(outcome, SoundPlayer::Outcome::Stopped);
    EXPECT_EQ(logged(dir).size(), 1);
    player.stop(); // nothing plays: nothing happens
}

TEST(ProgramSoundPlayer, WithoutAPlayerNothingIsPlayed)
{
    ProgramSoundPlayer player({QStringLiteral("/no/such/player")});
    EXPECT_EQ(player.playAndWait(QStringLiteral("/no/such/file.wav")), SoundPlayer::Outcome::NoPlayer);
    player.stop();
}

// A player that can play nothing, not even its default tone, as aplay without a sound card.
TEST(ProgramSoundPlayer, APlayerThatPlaysNothingHasNoDevice)
{
    TempDir dir;
    const QString script = dir.write("player.sh", "#!/bin/sh\necho \"$1\" >> \"$0.log\"\nexit 1\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ProgramSoundPlayer player({script});
    EXPECT_EQ(player.playAndWait(dir.write("1.wav", "RIFF")), SoundPlayer::Outcome::NoDevice);
    EXPECT_EQ(logged(dir).size(), 2); // the file, then the default tone
}

// The default sound's file goes to the shared temporary folder, where anybody may have planted a
// link under a name they could guess.
TEST(ProgramSoundPlayer, TheDefaultSoundNeverWritesThroughAPlantedLink)
{
    TempDir dir;
    const QString tmp = dir.mkdir("tmp");
    const QString victim = dir.write("victim.conf", "keep me");
    ASSERT_TRUE(
        QFile::link(victim, tmp + QStringLiteral("zubo-%1-default.wav").arg(QCoreApplication::applicationPid())));
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(tmp));
    {
        ProgramSoundPlayer player({fakePlayer(dir, "0")});
        player.playAndWait(dir.file("missing.wav"));
        const QStringList log = logged(dir);
        ASSERT_EQ(log.size(), 1);
        const QString played = log[0].section(u' ', 0, 0);
        EXPECT_TRUE(played.startsWith(tmp)) << played.toStdString();
        EXPECT_FALSE(QFileInfo(played).isSymLink());
        EXPECT_TRUE(log[0].endsWith(" RIFF")) << log[0].toStdString();
    }
    if (before.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", before);
    EXPECT_EQ(dir.read("victim.conf"), "keep me");
    // The player's file is gone with the player; the planted link is not ours to remove.
    EXPECT_EQ(QDir(tmp).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(), 1);
}

TEST(DefaultSoundWave, IsAWholeMonoPcmWaveFile)
{
    const QByteArray wave = defaultSoundWave();
    const auto le = [&](int at, int size) {
        quint32 v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = (v << 8) | quint8(wave[at + i]);
        return v;
    };
    ASSERT_GT(wave.size(), 44);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(le(4, 4), quint32(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le(20, 2), 1u); // PCM
    EXPECT_EQ(le(22, 2), 1u); // mono
    EXPECT_EQ(le(28, 4), le(24, 4) * 2);
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(le(40, 4), quint32(wave.size() - 44));
}

} // namespace
