#include "optionssettings.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

class OptionsTest : public ::testing::Test {
protected:
    OptionsState load(const QByteArray& content)
    {
        dir.write("opcje.ini", content);
        return readOptions(ini).state;
    }
    TempDir dir;
    ProfileFile ini{dir.file("opcje.ini")};
};

TEST_F(OptionsTest, NoSectionShowsTheDefaultsAndAsksToRecordTheDefaultBase)
{
    const OptionsLoad load = readOptions(ini);
    EXPECT_EQ(load.state, OptionsState());
    EXPECT_TRUE(load.writeDefaultInUse);
}

TEST_F(OptionsTest, ReadsCountsBasesAndTarget)
{
    const OptionsState s = load("[opcje]\r\ndni_do_urodzin=14\r\ndni_po_urodzinach=0\r\ndni_do_imienin=20\r\n"
                                "dni_po_imieninach=$2\r\ndni_do_imprezy=-1\r\ndni_po_imprezie=x\r\n"
                                "baza_1=brak\r\nbaza_2=/dane\r\nzapis_do=/dane\r\n");
    // Outside the items: no selection; not a number: the default.
    EXPECT_EQ(s.days, (std::array<int, 6>{14, 0, -1, 2, -1, 3}));
    EXPECT_FALSE(s.useDefaultBase);
    EXPECT_TRUE(s.useSecondBase);
    EXPECT_EQ(s.secondBase, "/dane");
    EXPECT_FALSE(s.saveToDefault);
    EXPECT_FALSE(readOptions(ini).writeDefaultInUse);

    const OptionsState both = load("[opcje]\r\nbaza_2=/dane/\r\nzapis_do=\r\n");
    EXPECT_TRUE(both.useDefaultBase);
    EXPECT_TRUE(both.useSecondBase);
    EXPECT_TRUE(both.saveToDefault);
}

TEST(CorrectOptions, ChecksRunInOrderOnWhatTheOnesBeforeLeft)
{
    const auto state = [](bool useDefault, bool useSecond, const char* folder, bool saveToDefault) {
        OptionsState s;
        s.useDefaultBase = useDefault;
        s.useSecondBase = useSecond;
        s.secondBase = folder;
        s.saveToDefault = saveToDefault;
        return s;
    };
    const struct {
        const char* what;
        OptionsState in;
        QList<int> messages;
        OptionsState out;
    } cases[] = {
        {"valid", state(true, true, "/d", false), {}, state(true, true, "/d", false)},
        {"no base", state(false, false, "", true), {27}, state(true, false, "", true)},
        {"second without folder, saving to it", state(true, true, "", false), {25, 26}, state(true, false, "", true)},
        {"only second, saving to default", state(false, true, "/d", true), {28}, state(false, true, "/d", false)},
        {"nothing and saving to second", state(false, false, "/d", false), {27, 26}, state(true, false, "/d", true)},
    };
    for (const auto& c : cases) {
        OptionsState s = c.in;
        EXPECT_EQ(correctOptions(s), c.messages) << c.what;
        EXPECT_EQ(s, c.out) << c.what;
    }
}

TEST_F(OptionsTest, WritesAllKeysInOrderAndFolderAsTyped)
{
    OptionsState s;
    s.days = {14, 1, 0, 2, 5, -1};
    s.useDefaultBase = false;
    s.useSecondBase = true;
    s.secondBase = "/home/ala/dane";
    s.saveToDefault = false;
    QString error;
    ASSERT_TRUE(writeOptions(ini, s, &error));
    EXPECT_EQ(dir.read("opcje.ini"), crlf({"[opcje]", "dni_do_urodzin=14", "dni_do_imienin=0", "dni_do_imprezy=5",
                                           "dni_po_urodzinach=1", "dni_po_imieninach=2", "dni_po_imprezie=3",
                                           "baza_1=brak", "baza_2=/home/ala/dane", "zapis_do=/home/ala/dane"}));
    EXPECT_EQ(readOptions(ini).state.days, (std::array<int, 6>{14, 1, 0, 2, 5, 3}));
}

TEST_F(OptionsTest, AFailedWriteChangesNothingAndSaysWhere)
{
    dir.write("opcje.ini", "[opcje]\r\nbaza_1=jest\r\n");
    FailingFileWriter full(10);
    ProfileFile failing(dir.file("opcje.ini"), full);
    QString error;
    EXPECT_FALSE(writeOptions(failing, OptionsState(), &error));
    EXPECT_EQ(error, "Unable to write to " + dir.file("opcje.ini"));
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=jest\r\n");
}

TEST(BrowserStart, TheSecondBaseWhenItIsAFolderElseTheDefaultOne)
{
    TempDir dir;
    dir.mkdir("dane");
    const QString programDir = dir.path() + u'/';
    EXPECT_EQ(browserStartFolder(dir.file("dane"), programDir), dir.file("dane"));
    EXPECT_EQ(browserStartFolder(dir.file("dane") + u'/', programDir), dir.file("dane"));
    for (const QString& typed : {QString(), dir.file("brak"), QStringLiteral("dane"), dir.file("opcje.ini")})
        EXPECT_EQ(browserStartFolder(typed, programDir), dir.file("baza")) << typed.toStdString();
}

TEST(BrowserStart, TheDriveIsTheLongestMountPointAboveTheFolder)
{
    const QStringList points{"/", "/home/", "/media/usb/"};
    const struct {
        const char* folder;
        const char* drive;
    } cases[] = {
        {"/home/jan/baza", "/home/"},  {"/home", "/home/"},    {"/homer/baza", "/"},
        {"/media/usb", "/media/usb/"}, {"/media/usb2/x", "/"}, {"/", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mountPointOf(c.folder, points), c.drive) << c.folder;
    EXPECT_EQ(mountPointOf("/home/jan", {"/media/"}), "");
}

} // namespace
