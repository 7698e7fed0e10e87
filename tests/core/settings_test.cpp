#include "settings.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QByteArray ini;
    bool useDefault;
    bool useSecond;
    QString secondPath;
    QString saveTarget;
};

TEST(DatabaseSettings, DerivesTheDataFoldersFromOpcje)
{
    const Case cases[] = {
        {"no file", "", true, false, "brak", "domyslna_baza_danych"},
        {"second without slash", "[opcje]\r\nbaza_2=/home/ala/dane\r\n", true, true, "/home/ala/dane/",
         "domyslna_baza_danych"},
        {"second with slash", "[opcje]\r\nbaza_2=/dane/\r\n", true, true, "/dane/", "domyslna_baza_danych"},
        {"none in use", "[opcje]\r\nbaza_1=brak\r\nbaza_2=brak\r\n", false, false, "brak", "domyslna_baza_danych"},
        {"second empty", "[opcje]\r\nbaza_2=\r\n", true, false, "", "domyslna_baza_danych"},
        {"jest is case-sensitive", "[opcje]\r\nbaza_1=JEST\r\n", false, false, "brak", "domyslna_baza_danych"},
        {"save into unlisted folder", "[opcje]\r\nbaza_2=brak\r\nzapis_do=/dane\r\n", true, false, "brak", "/dane/"},
        {"empty save target", "[opcje]\r\nzapis_do=\r\n", true, false, "brak", "domyslna_baza_danych"},
        {"polish folder name",
         "[opcje]\r\nbaza_2=/home/\xA3\xF3"
         "d\x9F\r\n",
         true, true, QString::fromUtf8("/home/Łódź/"), "domyslna_baza_danych"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (!c.ini.isEmpty())
            dir.write("opcje.ini", c.ini);
        const DatabaseSettings s = DatabaseSettings::read(ProfileFile(dir.file("opcje.ini")));
        EXPECT_EQ(s.UseDefaultBase, c.useDefault) << c.name;
        EXPECT_EQ(s.UseSecondBase, c.useSecond) << c.name;
        EXPECT_EQ(s.SecondBasePath, c.secondPath) << c.name;
        EXPECT_EQ(s.SaveTarget, c.saveTarget) << c.name;
    }
}

TEST(DatabaseSettings, SaveFolderIsTheDefaultBaseOrTheTarget)
{
    DatabaseSettings s;
    s.SaveTarget = "domyslna_baza_danych";
    EXPECT_EQ(s.saveFolder("/opt/Zubo/"), "/opt/Zubo/baza/");
    s.SaveTarget = "/dane/";
    EXPECT_EQ(s.saveFolder("/opt/Zubo/"), "/dane/");
}

TEST(ProgramDir, KeepsItsCaseAndEndsInASlash)
{
    EXPECT_EQ(programDirOf("/home/Ala/Programy/ZUBO"), "/home/Ala/Programy/ZUBO/");
    EXPECT_EQ(programDirOf("/"), "/");
    EXPECT_EQ(settingsPathIn("/P/"), "/P/opcje.ini");
    EXPECT_EQ(defaultBaseIn("/P/"), "/P/baza/");
}

} // namespace
