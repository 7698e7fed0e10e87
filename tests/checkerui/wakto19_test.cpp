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

} // namespace
