// scripts/install.sh run on this build into temporary folders, with HOME and the desktop's
// folders there too: the real home is never touched.
#include "support.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

const QString kSource = QStringLiteral(ZUBO_SOURCE_DIR);
const QString kBuild = QStringLiteral(ZUBO_BUILD_DIR);

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file under a folder, hidden ones included, by relative path, with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

// The keys and values of a desktop entry.
QMap<QString, QString> entry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(readFile(path)).split(u'\n')) {
        const qsizetype at = line.indexOf(u'=');
        if (at > 0)
            keys.insert(line.left(at), line.mid(at + 1));
    }
    return keys;
}

class InstallTest : public ::testing::Test {
protected:
    struct Run {
        int code;
        QString output;
    };

    // Runs the install script on this build; `shell` is run before it in the same bash (limits).
    Run install(QStringList arguments, const QMap<QString, QString>& environment = {}, const QString& shell = {})
    {
        arguments.prepend(kBuild);
        arguments.prepend(QStringLiteral("--build-dir"));
        return script("install.sh", arguments, environment, shell);
    }

    Run uninstall(const QStringList& arguments, const QMap<QString, QString>& environment = {})
    {
        return script("uninstall.sh", arguments, environment);
    }

    Run script(const QString& name, const QStringList& arguments, const QMap<QString, QString>& environment = {},
               const QString& shell = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.remove("ZUBO_HOME");
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_CONFIG_HOME");
        for (auto it = environment.begin(); it != environment.end(); ++it)
            env.insert(it.key(), it.value());
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("bash"),
                      QStringList{QStringLiteral("-c"), shell + QStringLiteral("\nexec \"$0\" \"$@\""),
                                  kSource + QStringLiteral("/scripts/") + name} +
                          arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAll())};
    }

    QString applications() const { return home + "/.local/share/applications/"; }
    QString autostart() const { return home + "/.config/autostart/wakto19.desktop"; }

    // A user's files of every kind an update must keep, written into the program folder.
    QMap<QString, QByteArray> writeUsersFiles(const QString& folder) const
    {
        const QMap<QString, QByteArray> files{
            {"opcje.ini", "[opcje]\r\ndni_do_urodzin=7\r\n"},
            {"baza/4711.wps", cp("<$@$>nazwisko</$@$>Łucja Żak\r\n")},
            {"baza/4711.bmp", QByteArray("BM\x00\x01\x02", 5)},
            {"baza/12.wpb", cp("<$@$>nazwisko</$@$>W koszu\r\n")},
            {"baza/ulubione.sps", "/home/x/Zubo/baza/4711.wps\r\n"},
            {"baza/lista1.lst", "/home/x/Zubo/baza/4711.wps\r\n"},
            {"lng/english.lng", "<$@$>jezyk</$@$>English\r\n"},
            {"baza/stale/swieta.wps", cp("<$@$>01.05</$@$>Święto Pracy\r\n")},
            {"baza/stale/Imiona_wg_dat.wps", cp("<$@$>03.05</$@$>@Maria|Moje imię\r\n")},
        };
        for (auto it = files.begin(); it != files.end(); ++it) {
            QDir().mkpath(QFileInfo(folder + "/" + it.key()).absolutePath());
            QFile file(folder + "/" + it.key());
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(it.value()) == it.value().size());
        }
        return files;
    }

    TempDir dir;
    const QString home = dir.file("home");
    const QString prefix = dir.file("Zubo");
};

TEST_F(InstallTest, AFreshInstallLaysOutTheProgramFolderAndTheMenuEntry)
{
    const Run run = install({"--prefix", prefix});
    ASSERT_EQ(run.code, 0) << run.output.toStdString();

    QStringList expected{"Zubo_37",
                         "wakto19",
                         "wakto19_wyniki.so",
                         "zubo.png",
                         "baza/stale/Imiona_index.ind",
                         "baza/stale/Imiona_wg_dat.wps",
                         ".zubo-install.sha256"};
    for (int digit = 0; digit <= 9; ++digit)
        expected << QStringLiteral("wav/%1.wav").arg(digit);
    expected.sort();
    const QMap<QString, QByteArray> files = snapshot(prefix);
    EXPECT_EQ(files.keys(), expected);
    EXPECT_TRUE(QFileInfo(prefix + "/lng").isDir());
    for (const char* program : {"Zubo_37", "wakto19"}) {
        EXPECT_TRUE(QFileInfo(prefix + "/" + program).isExecutable()) << program;
        EXPECT_EQ(files.value(program), readFile(kBuild + "/program/" + program)) << program;
    }
    EXPECT_EQ(files.value("baza/stale/Imiona_wg_dat.wps"), readFile(kSource + "/resources/stale/Imiona_wg_dat.wps"));
    EXPECT_EQ(files.value("wav/7.wav"), readFile(kSource + "/resources/wav/7.wav"));
    EXPECT_EQ(QImage(prefix + "/zubo.png").size(), QSize(256, 256));

    const QMap<QString, QString> menu = entry(applications() + "zubo.desktop");
    EXPECT_EQ(menu.value("Exec"), prefix + "/Zubo_37");
    EXPECT_EQ(menu.value("Path"), prefix);
    EXPECT_EQ(menu.value("Icon"), prefix + "/zubo.png");
    EXPECT_EQ(menu.value("Type"), "Application");
    EXPECT_EQ(QDir(applications()).entryList(QDir::Files | QDir::Hidden), QStringList{"zubo.desktop"});
    // Readable by all, as the desktop's own entries are.
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(applications() + "zubo.desktop").constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
    EXPECT_FALSE(QFileInfo::exists(autostart()));
    EXPECT_TRUE(run.output.contains("scripts/install.sh --autostart")) << run.output.toStdString();
}

// An update replaces the programs, the sounds and the name-day files of an earlier version, and
// keeps byte for byte everything of the user's, a name-day file the user changed included.
TEST_F(InstallTest, AnUpdateReplacesWhatShipsAndKeepsTheUsersFiles)
{
    ASSERT_EQ(install({"--prefix", prefix}).code, 0);
    const QMap<QString, QByteArray> users = writeUsersFiles(prefix);
    // What an earlier version left: its programs, a sound and its index of names.
    const QByteArray oldIndex = cp("<$@$>Łucja</$@$>|Łucja|\r\n");
    for (const auto& [file, bytes] : {std::pair<QString, QByteArray>{"Zubo_37", "old program"},
                                      {"wakto19", "old checker"},
                                      {"wav/3.wav", "old sound"},
                                      {"baza/stale/Imiona_index.ind", oldIndex}})
        dir.write("Zubo/" + file, bytes);
    // The list of shipped versions, with the earlier index among them.
    const QString sums =
        dir.write("shipped.sha256", readFile(kSource + "/resources/stale/shipped.sha256") +
                                        QCryptographicHash::hash(oldIndex, QCryptographicHash::Sha256).toHex() +
                                        "  Imiona_index.ind\n");

    const Run run = install({"--prefix", prefix}, {{"ZUBO_SHIPPED_SUMS", sums}});
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    const QMap<QString, QByteArray> after = snapshot(prefix);
    for (auto it = users.begin(); it != users.end(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_TRUE(run.output.contains("Imiona_wg_dat.wps")) << run.output.toStdString();
    EXPECT_EQ(after.value("Zubo_37"), readFile(kBuild + "/program/Zubo_37"));
    EXPECT_EQ(after.value("wakto19"), readFile(kBuild + "/program/wakto19"));
    EXPECT_EQ(after.value("wav/3.wav"), readFile(kSource + "/resources/wav/3.wav"));
    EXPECT_EQ(after.value("baza/stale/Imiona_index.ind"), readFile(kSource + "/resources/stale/Imiona_index.ind"));
    // No staging folder is left behind; the one hidden file is the record of the install.
    EXPECT_FALSE(std::any_of(after.keyBegin(), after.keyEnd(),
                             [](const QString& f) { return f.startsWith('.') && f != ".zubo-install.sha256"; }));
}

// The shipped files are listed among the versions that ever shipped; otherwise an update would
// take the user's copy of a shipped version for a changed file and keep it.
TEST_F(InstallTest, TheShippedNameDayFilesAreAmongTheRecordedVersions)
{
    const QString sums = QString::fromUtf8(readFile(kSource + "/resources/stale/shipped.sha256"));
    for (const char* file : {"Imiona_wg_dat.wps", "Imiona_index.ind"}) {
        const QByteArray sum =
            QCryptographicHash::hash(readFile(kSource + "/resources/stale/" + file), QCryptographicHash::Sha256)
                .toHex();
        EXPECT_TRUE(sums.contains(QString::fromLatin1(sum + "  " + file)))
            << file << " changed: add \"" << sum.constData() << "  " << file << "\" to resources/stale/shipped.sha256";
    }
}

TEST_F(InstallTest, TheProgramFolderIsZuboHomeElseZuboInTheHomeFolder)
{
    const QString elsewhere = dir.file("gdzie indziej");
    ASSERT_EQ(install({}, {{"ZUBO_HOME", elsewhere}}).code, 0);
    EXPECT_TRUE(QFileInfo(elsewhere + "/Zubo_37").isExecutable());
    ASSERT_EQ(install({}).code, 0);
    EXPECT_TRUE(QFileInfo(home + "/Zubo/Zubo_37").isExecutable());
    EXPECT_EQ(entry(applications() + "zubo.desktop").value("Exec"), home + "/Zubo/Zubo_37");
}

// The checker's logon entry comes only when asked for; both entries quote a folder name with
// blanks and the characters a desktop entry's command line treats specially.
TEST_F(InstallTest, TheAutostartEntryIsAnOptionAndEntriesQuoteTheFolder)
{
    const QString odd = dir.file(QString::fromUtf8("Mój $Zubo \"100%\""));
    const Run run = install({"--prefix", odd, "--autostart"}, {{"XDG_CONFIG_HOME", dir.file("config")}});
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    const QString exec = "\"" + QString(odd).replace("$", "\\\\$").replace("\"", "\\\\\"").replace("%", "%%");
    const QMap<QString, QString> checker = entry(dir.file("config/autostart/wakto19.desktop"));
    EXPECT_EQ(checker.value("Exec"), exec + "/wakto19\"");
    EXPECT_EQ(checker.value("Path"), odd);
    EXPECT_EQ(entry(applications() + "zubo.desktop").value("Exec"), exec + "/Zubo_37\"");
    EXPECT_FALSE(QFileInfo::exists(autostart()));

    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    ASSERT_FALSE(validate.isEmpty())
        << "desktop-file-validate is missing: scripts/setup.sh installs desktop-file-utils";
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {applications() + "zubo.desktop", dir.file("config/autostart/wakto19.desktop")});
    ASSERT_TRUE(check.waitForFinished(30000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

// An update that fails part-way (here the files may not grow past 2 MB, as on a nearly full
// disk) changes nothing in the program folder and leaves no staging folder.
TEST_F(InstallTest, AFailedUpdateLeavesTheFolderAsItWas)
{
    ASSERT_EQ(install({"--prefix", prefix}).code, 0);
    writeUsersFiles(prefix);
    dir.write("Zubo/Zubo_37", "old program");
    const QMap<QString, QByteArray> before = snapshot(prefix);
    const Run run = install({"--prefix", prefix}, {}, "ulimit -f 2048; trap '' XFSZ");
    EXPECT_NE(run.code, 0) << run.output.toStdString();
    EXPECT_EQ(snapshot(prefix), before);
}

// scripts/run.sh installs with --if-changed: a folder that holds the programs of this very source is
// left as it is, without setting up or building anything; another source's programs are replaced.
TEST_F(InstallTest, AnInstallIfChangedSkipsAFolderOfThisSource)
{
    ASSERT_EQ(install({"--prefix", prefix}).code, 0);
    dir.write("Zubo/Zubo_37", "the same source's program");
    QFile(prefix + "/Zubo_37").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(install({"--prefix", prefix, "--if-changed"}).code, 0);
    EXPECT_EQ(readFile(prefix + "/Zubo_37"), "the same source's program");

    QByteArray record = readFile(prefix + "/.zubo-install.sha256");
    record.replace("# source ", "# source 0");
    dir.write("Zubo/.zubo-install.sha256", record);
    ASSERT_EQ(install({"--prefix", prefix, "--if-changed"}).code, 0);
    EXPECT_EQ(readFile(prefix + "/Zubo_37"), readFile(kBuild + "/program/Zubo_37"));
}

// The uninstall removes what the install put there, unchanged, with the desktop entries, and keeps
// every file of the user's, a changed name-day file and a changed sound included.
TEST_F(InstallTest, AnUninstallRemovesWhatWasInstalledAndKeepsTheUsersFiles)
{
    const QMap<QString, QString> config{{"XDG_CONFIG_HOME", dir.file("config")}};
    ASSERT_EQ(install({"--prefix", prefix, "--autostart"}, config).code, 0);
    QMap<QString, QByteArray> users = writeUsersFiles(prefix);
    users.insert("wav/3.wav", "my own sound");
    dir.write("Zubo/wav/3.wav", "my own sound");

    const Run run = uninstall({"--prefix", prefix}, config);
    ASSERT_EQ(run.code, 0) << run.output.toStdString();
    EXPECT_EQ(snapshot(prefix), users);
    EXPECT_TRUE(QFileInfo(prefix + "/lng").isDir());
    EXPECT_FALSE(QFileInfo::exists(applications() + "zubo.desktop"));
    EXPECT_FALSE(QFileInfo::exists(dir.file("config/autostart/wakto19.desktop")));
    EXPECT_TRUE(run.output.contains(prefix + "/wav/3.wav")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("stay in " + prefix)) << run.output.toStdString();

    // With no record of an install nothing is touched.
    const QMap<QString, QByteArray> left = snapshot(prefix);
    const Run again = uninstall({"--prefix", prefix});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(snapshot(prefix), left);
}

// A setup that lacks packages and may not install them (not root, sudo would need a password and
// there is no terminal) lists them for an administrator and fails, installing nothing.
TEST_F(InstallTest, ASetupWithoutTheRightToInstallListsThePackages)
{
    const QString bin = dir.mkdir("bin");
    dir.write("bin/id", "#!/bin/sh\necho 1000\n");
    dir.write("bin/dpkg-query", "#!/bin/sh\nexit 1\n");
    dir.write("bin/sudo", "#!/bin/sh\nprintf '%s\\n' \"$*\" >>\"$0.called\"\nexit 1\n");
    for (const char* tool : {"id", "dpkg-query", "sudo"})
        QFile(bin + tool).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Run run = script("setup.sh", {"--build"}, {{"PATH", bin + ":/usr/bin:/bin"}}, "exec </dev/null");
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.output.contains("apt-get install cmake ninja-build")) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("administrator")) << run.output.toStdString();
    // Only the question whether sudo needs a password was asked.
    EXPECT_EQ(readFile(bin + "sudo.called"), "-n true\n");
}

// The same on a real full disk: a small tmpfs filled to the last byte (needs the right to mount).
TEST_F(InstallTest, AnUpdateOnAFullDiskLeavesTheFolderAsItWas)
{
    const QString disk = dir.mkdir("disk");
    // Room for one install and a little more, whatever this build's programs weigh (a sanitized
    // build's are half again as large).
    qint64 programs = 0;
    for (const char* name : {"Zubo_37", "wakto19", "wakto19_wyniki.so"})
        programs += QFileInfo(kBuild + "/program/" + name).size();
    const QByteArray size = "size=" + QByteArray::number(programs / (1 << 20) + 32) + "m";
    if (::mount("zubo-test", QFile::encodeName(disk).constData(), "tmpfs", 0, size.constData()) != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (not root, or not allowed): the full-disk case is not run";
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{QFile::encodeName(disk)};

    const QString folder = disk + "/Zubo";
    ASSERT_EQ(install({"--prefix", folder}).code, 0);
    writeUsersFiles(folder);
    dir.write("disk/Zubo/Zubo_37", "old program");
    {
        QFile filler(disk + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1 << 16, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // The last bytes, one at a time, until not one more goes in.
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
    }
    const QMap<QString, QByteArray> before = snapshot(folder);
    const Run run = install({"--prefix", folder});
    EXPECT_NE(run.code, 0) << run.output.toStdString();
    EXPECT_EQ(snapshot(folder), before);
}

} // namespace
