#include "programstart.h"

#include "support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        listed = {{dir.file("baza/a.wps"), "Adam", {}}, {dir.file("baza/b.wps"), "Basia", {}}};
        withBlanks =
            dir.write("moje \"dane\"/Jan Nowak.wps",
                      crlf({"<$@$>ulica</$@$>Polna", "<$@$>nazwisko</$@$>Nowak Jan", "<$@$>nazwisko</$@$>Later"}));
        nameless = dir.write("b.wpj", crlf({"<$@$>ulica</$@$>Polna"}));
    }

    StartList take(const QStringList& arguments, const TextReader& reader = TextReader::standard())
    {
        return takeCommandLine(listed, arguments, dir.path(), initialMessages(), reader);
    }

    TempDir dir;
    QList<PersonListEntry> listed;
    QString withBlanks;
    QString nameless;
};

TEST_F(CommandLineTest, ListsTheNamedFilesInArgumentOrder)
{
    // Relative paths are taken against the working folder and stored absolute.
    const StartList start = take({"b.wpj", "/showexisting", "missing.wps", withBlanks, "./moje \"dane\"/../b.wpj"});
    EXPECT_TRUE(start.fromCommandLine);
    EXPECT_TRUE(start.errors.isEmpty());
    EXPECT_EQ(start.persons,
              (QList<PersonListEntry>{{nameless, "", {}}, {withBlanks, "Nowak Jan", {}}, {nameless, "", {}}}));
}

TEST_F(CommandLineTest, WithoutNamedFilesTheListingStays)
{
    const QStringList cases[] = {{}, {"/showexisting"}, {"missing.wps", "/showexisting"}, {dir.path()}};
    for (const QStringList& arguments : cases) {
        const StartList start = take(arguments);
        EXPECT_FALSE(start.fromCommandLine) << arguments.join(' ').toStdString();
        // The first listed person is the one selected and shown.
        EXPECT_EQ(start.persons, listed) << arguments.join(' ').toStdString();
    }
}

TEST_F(CommandLineTest, AnEmptyListingIgnoresTheArguments)
{
    listed.clear();
    const StartList start = take({withBlanks});
    EXPECT_FALSE(start.fromCommandLine);
    EXPECT_TRUE(start.persons.isEmpty());
}

TEST_F(CommandLineTest, AFileThatCannotBeReadIsSkippedWithOneMessage)
{
    const FailingTextReader reader({withBlanks});
    StartList start = take({withBlanks, nameless}, reader);
    EXPECT_TRUE(start.fromCommandLine);
    EXPECT_EQ(start.persons, (QList<PersonListEntry>{{nameless, "", {}}}));
    ASSERT_EQ(start.errors.size(), 1);
    EXPECT_TRUE(start.errors.first().startsWith(QString::fromUtf8("Błąd pliku [id:") + withBlanks + " err: "));

    // When no named file can be read, the full listing is shown.
    start = take({withBlanks}, reader);
    EXPECT_FALSE(start.fromCommandLine);
    EXPECT_EQ(start.persons, listed);
    EXPECT_EQ(start.errors.size(), 1);
}

TEST(OldProgramFiles, AreRemovedInOrderAndTheOldCheckersOnlyBesideTheNewOne)
{
    const struct {
        QStringList present;
        QStringList removed;
    } cases[] = {
        {{"Zubo_37", "opcje.ini", "zubo.exe", "ZUBO_V34.EXE", "zubo_361.exe", "wakto16.exe", "wakto.exe"},
         {"ZUBO_V34.EXE", "zubo.exe", "zubo_361.exe"}},
        {{"wakto19", "wakto16.exe", "wakto18.exe", "wakto.exe", "zubo_v36.exe"},
         {"zubo_v36.exe", "wakto.exe", "wakto16.exe", "wakto18.exe"}},
        {{"Zubo_37", "wakto19"}, {}},
    };
    for (const auto& c : cases) {
        TempDir dir;
        for (const QString& name : c.present)
            dir.write(name, "x");
        // The first removal fails: it is left, and the rest goes on.
        const RecordingRemover remover(c.removed.isEmpty() ? QStringList() : QStringList{dir.file(c.removed.first())});
        removeOldProgramFiles(dir.path(), remover);
        QStringList expected;
        for (const QString& name : c.removed)
            expected.append(dir.file(name));
        EXPECT_EQ(remover.asked, expected) << c.present.join(' ').toStdString();
        // Everything else stays, and so does the file whose removal failed.
        for (const QString& name : c.present)
            EXPECT_EQ(dir.exists(name), !c.removed.mid(1).contains(name)) << name.toStdString();
    }
}

// A file named by the bytes `name` as stored, not as text, last changed at `modified`.
void writeStored(const QString& folder, const QByteArray& name, const QByteArray& bytes, const QDateTime& modified)
{
    const int fd = ::open(QFile::encodeName(folder).append(name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    const qint64 seconds = modified.toSecsSinceEpoch();
    const timespec times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    ASSERT_EQ(::futimens(fd, times), 0);
    ::close(fd);
}

// Only what our own writers can have left behind goes, and only once it is a minute old: swept on
// its own, as the program folder is, or by the first listing, as the data folders are, which tells
// the sweep the entry files it did not find holding bytes.
TEST(WriterLeftovers, OnlyOurOldTemporaryFilesAndEmptyEntryFilesAreRemoved)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int ageSeconds;
        bool removed;
    };
    const Case cases[] = {
        {".zubo-4242-7.tmp", "<$@$>nazwisko</$@$>Jan", 120, true},
        {".zubo-4242-8.tmp", "<$@$>nazwisko</$@$>Jan", 30, false}, // another program may be writing it
        {"1-2-3.wps", "", 60, true},
        {"4-5-6.WPJ", "", 3600, true},
        {"7-8-9.wpb", "", 3600, true},
        {"1-1-1.wps", "", 59, false},
        {"2-2-2.wps", "x", 3600, false},
        {"2-2-3.wps", "<$@$>nazwisko</$@$>Jan", 3600, false}, // the listing fails to read it
        {"ulubione.sps", "", 3600, false},                    // an empty favourites list is a list
        {"7-7-7.wpx", "", 3600, false},
        // The photo of an empty entry file goes with it when no other entry file of its base is left.
        {"1-2-3.bmp", "BM", 3600, true},
        {"7-8-9.BMP", "BM", 3600, true},
        {"4-4-4.bmp", "BM", 3600, false},
        {"4-4-4.wps", "", 3600, true},
        {"4-4-4.wpb", "<$@$>nazwisko</$@$>Jan", 3600, false}, // still uses the photo
        {"5-5-5.wpj", "", 3600, true},
        {"5-5-5.bmp", "BM", 30, false},   // another program may be saving it
        {"6-6-6.bmp", "BM", 3600, false}, // no entry file of its own was removed
        {"bufor.wps", "", 3600, true},
        {"notatki.txt", "", 3600, false},
        {"lista1.lst", "", 3600, false},
        {"x.wps.zubo-1-2.tmp", "", 3600, false},
        {".zubo-1-2.tmp.wps", "x", 3600, false},
        {"bufor.bmp", "", 3600, false},
        // Decoded, the stored name "\xFF.wps" reads as this one's: only the file named is ever removed.
        {"\uFFFD.wps", "<$@$>nazwisko</$@$>Jan", 3600, false},
    };
    const QDateTime now(QDate(2027, 6, 16), QTime(12, 0));
    enum class Sweep { OnItsOwn, ByTheListing };
    for (const Sweep sweep : {Sweep::OnItsOwn, Sweep::ByTheListing}) {
        SCOPED_TRACE(sweep == Sweep::OnItsOwn ? "swept on its own" : "swept by the listing");
        TempDir dir;
        for (const Case& c : cases)
            dir.write(QString::fromUtf8(c.name), c.bytes, now.addSecs(-c.ageSeconds));
        writeStored(dir.path(), "\xFF.wps", "", now.addSecs(-3600));
        // Links and folders are never ours, whatever their names.
        const QString victim = dir.write("elsewhere/empty.wps", "");
        ASSERT_TRUE(QFile::link(victim, dir.file("3-3-3.wps")));
        ASSERT_TRUE(QFile::link(victim, dir.file(".zubo-1-1.tmp")));
        dir.mkdir(".zubo-2-2.tmp");
        dir.write("8-8-8.wps", "", now.addSecs(-3600));
        ASSERT_TRUE(QFile::link(victim, dir.file("8-8-8.bmp")));
        const QString other = dir.write("other/9-9-9.wps", "");

        RecordingRemover remover;
        const QStringList folders{dir.path(), dir.file("missing/")};
        if (sweep == Sweep::OnItsOwn) {
            removeWriterLeftovers(folders, now, remover);
        } else {
            // An empty file that cannot be read is still looked at; a full one is left all the same.
            const FailingTextReader reader({dir.file("1-2-3.wps"), dir.file("2-2-3.wps")});
            GroupFilterMenu menu;
            const QList<PersonListEntry> listed =
                PersonListing(folders, reader)
                    .RefreshPersonList(menu, true, initialMessages(),
                                       [&](const QString& folder, const FolderListing& listing,
                                           const std::vector<QByteArray>& unread) {
                                           removeWriterLeftoversIn(folder, listing, unread, now, remover);
                                       });
            QStringList names;
            for (const PersonListEntry& entry : listed)
                names.append(QFileInfo(entry.Path).fileName());
            EXPECT_EQ(names, QStringList({".zubo-1-2.tmp.wps", "2-2-2.wps", QString::fromUtf8("\uFFFD.wps")}));
        }
        for (const Case& c : cases)
            EXPECT_EQ(dir.exists(QString::fromUtf8(c.name)), !c.removed) << c.name;
        EXPECT_TRUE(QFileInfo(dir.file("3-3-3.wps")).isSymLink());
        EXPECT_TRUE(QFileInfo(dir.file(".zubo-1-1.tmp")).isSymLink());
        EXPECT_TRUE(QFileInfo(dir.file(".zubo-2-2.tmp")).isDir());
        EXPECT_TRUE(QFileInfo(dir.file("8-8-8.bmp")).isSymLink());
        EXPECT_TRUE(QFileInfo::exists(victim));
        EXPECT_TRUE(QFileInfo::exists(other));
        EXPECT_EQ(remover.asked.size(), 10);
        // It stays too: no text path reaches it. Removed here, as the temporary folder cannot.
        EXPECT_EQ(::unlink(QFile::encodeName(dir.path()).append("\xFF.wps").constData()), 0);
    }
}

} // namespace
