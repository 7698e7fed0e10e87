#include "programstart.h"

#include "support.h"

#include <gtest/gtest.h>

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

} // namespace
