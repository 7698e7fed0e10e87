#include "processstarter.h"

#include "support.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(ProcessStarter, PassesArgumentsUnchangedAndReportsAMissingProgram)
{
    TempDir dir;
    // The argument is one word to the started program, whatever it holds.
    const QString argument = dir.file("a b \"c\" $(d); e");
    const QString script = dir.write("echo-arg.sh", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.out\"\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString error;
    ASSERT_TRUE(ProcessStarter::standard().startDetached(script, {argument}, &error)) << error.toStdString();
    for (int i = 0; i < 200 && dir.read("echo-arg.sh.out") != argument.toUtf8(); ++i)
        QThread::msleep(10);
    EXPECT_EQ(QString::fromUtf8(dir.read("echo-arg.sh.out")), argument);

    EXPECT_FALSE(ProcessStarter::standard().startDetached(dir.file("no-such-program"), {}, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
