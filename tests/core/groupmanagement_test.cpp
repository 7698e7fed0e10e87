#include "groupmanagement.h"

#include "filelisting.h"
#include "support.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const MessageTable kMessages = initialMessages();

// Person files in two data folders; the group "Praca" is held in several spellings and by files of
// every kind.
class GroupFilesTest : public ::testing::Test {
protected:
    GroupFilesTest()
    {
        first = dir.mkdir("baza");
        second = dir.mkdir("druga");
        dir.write("baza/1.wps", crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Praca",
                                      "<$@$>notatka</$@$>Praca", "<$@$>mail</$@$>a@b.pl"}));
        dir.write("baza/2.wps", crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>&Praca"}));
        dir.write("baza/3.wps",
                  crlf({"<$@$>nazwisko</$@$>Celina", "<$@$>grupa</$@$>praca", "<$@$>grupa</$@$>Praca zdalna"}));
        dir.write("baza/4.wpb", crlf({"<$@$>nazwisko</$@$>Darek", "<$@$>grupa</$@$>Praca"}));
        dir.write("baza/5.wpj", crlf({"<$@$>nazwisko</$@$>Rocznica", "<$@$>grupa</$@$>Praca"}));
        dir.write("druga/6.WPS", crlf({"<$@$>nazwisko</$@$>Ewa", "<$@$>grupa</$@$>Praca"}));
        for (const char* name : {"baza/1.wps", "baza/2.wps", "baza/3.wps", "baza/4.wpb", "baza/5.wpj", "druga/6.WPS"})
            before[QString::fromLatin1(name)] = dir.read(QString::fromLatin1(name));
    }

    QStringList folders() const { return {first, second}; }

    // The files whose bytes changed, relative to the fixture folder.
    QStringList changed() const
    {
        QStringList names;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (dir.read(it.key()) != it.value())
                names << it.key();
        }
        return names;
    }

    TempDir dir;
    QString first;
    QString second;
    QMap<QString, QByteArray> before;
};

TEST_F(GroupFilesTest, DeleteDropsTheGroupsLinesFromPersonFilesOnly)
{
    const GroupRewrite result =
        RemoveGroupFromFiles(folders(), "Praca", TextReader::standard(), FileWriter::standard());

    // Only the exact name, with or without "&", counts; reminders and the bin are left alone.
    EXPECT_EQ(changed(), QStringList({"baza/1.wps", "baza/2.wps", "druga/6.WPS"}));
    EXPECT_EQ(result.rewritten, QStringList({first + "1.wps", first + "2.wps", second + "6.WPS"}));
    EXPECT_TRUE(result.errors.isEmpty());
    // Every other line stays, in its place, also one whose value is the group's name.
    EXPECT_EQ(dir.read("baza/1.wps"), crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>notatka</$@$>Praca",
                                            "<$@$>mail</$@$>a@b.pl"}));
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek"}));
    // Nothing is left beside the files: no copy, no temporary file.
    EXPECT_EQ(listFiles(first, "*"), QStringList({"1.wps", "2.wps", "3.wps", "4.wpb", "5.wpj"}));
    EXPECT_EQ(listFiles(second, "*"), QStringList({"6.WPS"}));
}

TEST_F(GroupFilesTest, RenameWritesTheNewNameInPlaceWithoutTheAmpersand)
{
    const GroupRewrite result =
        RenameGroupInFiles(folders(), "Praca", "Biuro", TextReader::standard(), FileWriter::standard());

    EXPECT_EQ(changed(), QStringList({"baza/1.wps", "baza/2.wps", "druga/6.WPS"}));
    EXPECT_EQ(result.rewritten.size(), 3);
    EXPECT_EQ(dir.read("baza/1.wps"), crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Biuro",
                                            "<$@$>notatka</$@$>Praca", "<$@$>mail</$@$>a@b.pl"}));
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>Biuro"}));

    // A group no file holds changes nothing.
    const GroupRewrite none =
        RenameGroupInFiles(folders(), "Nikt", "Ktoś", TextReader::standard(), FileWriter::standard());
    EXPECT_TRUE(none.rewritten.isEmpty());
    EXPECT_EQ(changed().size(), 3);
}

TEST_F(GroupFilesTest, WhatStandsAfterTheFilesCtrlZStaysAfterTheRewrittenLines)
{
    // Old files and hand edits may hold bytes after a Ctrl-Z, which reading leaves out.
    const QByteArray tail = "\x1a<$@$>grupa</$@$>Praca\r\nstare dane";
    dir.write("baza/2.wps", crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>&Praca"}) + tail);
    ASSERT_EQ(RenameGroupInFiles(folders(), "Praca", "Biuro", TextReader::standard(), FileWriter::standard())
                  .rewritten.size(),
              3);
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>Biuro"}) + tail);
    ASSERT_EQ(RemoveGroupFromFiles(folders(), "Biuro", TextReader::standard(), FileWriter::standard()).rewritten.size(),
              3);
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek"}) + tail);
}

TEST_F(GroupFilesTest, AFileThatCannotBeWrittenKeepsItsContentAndTheOthersAreStillDone)
{
    const FileWriterFailingFor writer({first + "2.wps"});
    const GroupRewrite result = RemoveGroupFromFiles(folders(), "Praca", TextReader::standard(), writer);

    EXPECT_EQ(changed(), QStringList({"baza/1.wps", "druga/6.WPS"}));
    EXPECT_EQ(result.rewritten, QStringList({first + "1.wps", second + "6.WPS"}));
    ASSERT_EQ(result.errors.size(), 1);
    EXPECT_TRUE(result.errors[0].contains(first + "2.wps")) << result.errors[0].toStdString();
    EXPECT_EQ(listFiles(first, "*").size(), 5) << "no temporary file is left";
}

TEST_F(GroupFilesTest, AFileThatCannotBeReadIsSkipped)
{
    const FailingTextReader reader({first + "1.wps"});
    const GroupRewrite result = RemoveGroupFromFiles(folders(), "Praca", reader, FileWriter::standard());

    EXPECT_EQ(changed(), QStringList({"baza/2.wps", "druga/6.WPS"}));
    EXPECT_TRUE(result.errors.isEmpty());
}

// A data folder unpacked from an archive may hold links. One that leads out of the data folders is
// never written through: it is left, and named. One to a file of the data folders is rewritten.
TEST_F(GroupFilesTest, ALinkLeadingOutOfTheDataFoldersIsLeftAndNamed)
{
    const QByteArray outside = crlf({"<$@$>nazwisko</$@$>Obcy", "<$@$>grupa</$@$>Praca"});
    ASSERT_TRUE(QFile::link(dir.write("obce/keep.wps", outside), first + "7.wps"));
    ASSERT_TRUE(QFile::link(dir.write("baza/archiwum/8.wps", outside), first + "8.wps"));

    const GroupRewrite renamed =
        RenameGroupInFiles(folders(), "Praca", "Biuro", TextReader::standard(), FileWriter::standard());
    EXPECT_EQ(renamed.left, QStringList({first + "7.wps"}));
    EXPECT_TRUE(renamed.rewritten.contains(first + "8.wps"));
    EXPECT_EQ(dir.read("baza/archiwum/8.wps"), crlf({"<$@$>nazwisko</$@$>Obcy", "<$@$>grupa</$@$>Biuro"}));

    const GroupRewrite removed =
        RemoveGroupFromFiles(folders(), "Praca", TextReader::standard(), FileWriter::standard());
    EXPECT_EQ(removed.left, QStringList({first + "7.wps"}));
    EXPECT_TRUE(removed.rewritten.isEmpty());
    EXPECT_EQ(dir.read("obce/keep.wps"), outside);
    EXPECT_TRUE(QFileInfo(first + "7.wps").isSymLink());
    EXPECT_TRUE(QFileInfo(first + "8.wps").isSymLink());
}

TEST(GroupMarks, ClickSwapsTheMarkExceptOnPseudoGroups)
{
    const struct {
        MarkedGroup before;
        MarkedGroup after;
    } cases[] = {
        {{"Praca", false}, {"Praca", true}},
        {{"Praca", true}, {"Praca", false}},
        {{"&Praca", true}, {"&Praca", false}},
        {{"Wszystko", false}, {"Wszystko", true}},
        {{"Wszystko", true}, {"Wszystko", true}},
        {{"&Wszystko", false}, {"Wszystko", true}},
        {{"Wykasowane", false}, {"Wykasowane", false}},
        {{"&Jednorazowe przypomnienie", true}, {"&Jednorazowe przypomnienie", true}},
        {{"wszystko", false}, {"wszystko", true}},
    };
    for (const auto& c : cases) {
        MarkedGroup group = c.before;
        toggleGroupMark(group, kMessages);
        EXPECT_EQ(group, c.after) << c.before.name.toStdString() << " " << c.before.marked;
    }
    EXPECT_EQ(groupListItem({"Dom", true}), "v    Dom");
    EXPECT_EQ(groupListItem({"Dom", false}), "     Dom");
}

TEST(GroupMarks, OnlyEverythingAndOneOffRemindersAreProtected)
{
    for (const char* name : {"Wszystko", "&Wszystko", "Jednorazowe przypomnienie", "&Jednorazowe przypomnienie"})
        EXPECT_TRUE(isProtectedGroup(name, kMessages)) << name;
    for (const char* name : {"Wykasowane", "Praca", "wszystko", "&&Wszystko", ""})
        EXPECT_FALSE(isProtectedGroup(name, kMessages)) << name;
}

TEST(EditorGroupMenu, FixedItemsThenOneItemPerListedGroup)
{
    const QList<MarkedGroup> groups = {{"Dom", true}, {"Praca", false}, {"&Wszystko", false}, {"Dom", false}};
    const QList<GroupMenuItem> person = editorGroupMenu(groups, "osoba", kMessages);
    const QList<GroupMenuItem> expected = {
        {"Jednorazowe przypomnienie", false, false, false},
        {"Wykasowane", false, false, false},
        {"-", false, true, false},
        {"Wszystko", true, false, true},
        {"Dom", true, true, true},
        {"Praca", false, true, true},
        {"&Wszystko", true, false, true},
        {"Dom", false, true, true},
    };
    EXPECT_EQ(person, expected);

    const QList<GroupMenuItem> reminder = editorGroupMenu({}, "jednorazowka", kMessages);
    ASSERT_EQ(reminder.size(), kFirstGroupMenuItem);
    EXPECT_TRUE(reminder[0].checked);
}

} // namespace
