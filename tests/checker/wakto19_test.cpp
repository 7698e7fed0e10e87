// The checker program as a user runs it: from its own program folder, on today's date.
#include "support.h"

#include <QDate>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QByteArray dayMonth(QDate d)
{
    return d.toString(QStringLiteral("dd.MM")).toLatin1();
}

TEST(Wakto19, EndsSilentlyWhenNothingIsDueAfterDeletingPassedReminders)
{
    TempDir dir;
    const QString program = dir.file("wakto19");
    ASSERT_TRUE(QFile::copy(QStringLiteral(WAKTO19_PATH), program));
    const QDate today = QDate::currentDate();
    dir.write("baza/1-1-1.wps",
              crlf({"<$@$>nazwisko</$@$>Ala", ("<$@$>urodziny</$@$>" + dayMonth(today.addDays(60)) + ".1980").data()}));
    dir.write("baza/2-2-2.wpj", crlf({"<$@$>nazwisko</$@$>Paczka",
                                      ("<$@$>impreza</$@$>" + dayMonth(today.addDays(-2)) + ".????-Poczta").data()}));
    dir.write("baza/2-2-2.bmp", "BM");

    QProcess checker;
    // Started from another folder: the checker works in the folder it lies in.
    checker.setWorkingDirectory(dir.mkdir("gdzie indziej"));
    checker.start(program, {});
    ASSERT_TRUE(checker.waitForFinished(20000)) << "a window opened, or the checker hangs";
    EXPECT_EQ(checker.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(checker.exitCode(), 0);
    EXPECT_TRUE(dir.exists("baza/1-1-1.wps"));
    EXPECT_FALSE(dir.exists("baza/2-2-2.wpj"));
    EXPECT_FALSE(dir.exists("baza/2-2-2.bmp"));
}

// The checker with its window's module in a program folder of its own. The dynamic loader reports
// every library it loads, so the test sees what a run loads.
class Wakto19Loading : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(WAKTO19_PATH), dir.file("wakto19")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(WAKTO19_WYNIKI_PATH), dir.file("wakto19_wyniki.so")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        checker.setProcessEnvironment(env);
        checker.setProcessChannelMode(QProcess::MergedChannels);
    }

    void TearDown() override
    {
        if (checker.state() != QProcess::NotRunning) {
            checker.kill();
            checker.waitForFinished();
        }
    }

    // Waits until the loader has reported loading `library`; false when the program ended first.
    bool waitUntilLoaded(const QByteArray& library)
    {
        while (!loaded.contains("file=" + library)) {
            if (!checker.waitForReadyRead(20000))
                return false;
            loaded += checker.readAll();
        }
        return true;
    }

    TempDir dir;
    QProcess checker;
    QByteArray loaded;
};

TEST_F(Wakto19Loading, ASilentRunLoadsNoGuiLibrary)
{
    dir.write("baza/1-1-1.wps",
              crlf({"<$@$>nazwisko</$@$>Ala",
                    ("<$@$>urodziny</$@$>" + dayMonth(QDate::currentDate().addDays(60)) + ".1980").data()}));
    checker.start(dir.file("wakto19"), {});
    ASSERT_TRUE(checker.waitForFinished(20000)) << "a window opened, or the checker hangs";
    EXPECT_EQ(checker.exitCode(), 0);
    loaded = checker.readAll();
    ASSERT_TRUE(loaded.contains("libQt6Core")) << "the loader reported nothing";
    for (const char* library : {"libQt6Gui", "libQt6Widgets", "wakto19_wyniki"})
        EXPECT_FALSE(loaded.contains(library)) << library;
}

TEST_F(Wakto19Loading, SomethingDueLoadsTheWindowFromItsModule)
{
    dir.write("baza/1-1-1.wps",
              crlf({"<$@$>nazwisko</$@$>Ala", ("<$@$>imieniny</$@$>" + dayMonth(QDate::currentDate())).data()}));
    checker.start(dir.file("wakto19"), {});
    ASSERT_TRUE(waitUntilLoaded(QFile::encodeName(dir.file("wakto19_wyniki.so")))) << loaded.toStdString();
    ASSERT_TRUE(waitUntilLoaded("libQt6Widgets.so.6")) << loaded.toStdString();
    // The window stays until it is closed.
    EXPECT_FALSE(checker.waitForFinished(500));
}

TEST(Wakto19, AMissingWindowModuleIsAnErrorNotASilentEnd)
{
    TempDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(WAKTO19_PATH), dir.file("wakto19")));
    dir.write("baza/1-1-1.wps",
              crlf({"<$@$>nazwisko</$@$>Ala", ("<$@$>imieniny</$@$>" + dayMonth(QDate::currentDate())).data()}));
    QProcess checker;
    checker.start(dir.file("wakto19"), {});
    ASSERT_TRUE(checker.waitForFinished(20000));
    EXPECT_EQ(checker.exitCode(), 1);
    EXPECT_TRUE(checker.readAllStandardError().contains("wakto19_wyniki.so"));
}

} // namespace
