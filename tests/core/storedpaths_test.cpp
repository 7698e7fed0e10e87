#include "storedpaths.h"

#include "settings.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalPersonPath, AnOldSystemsPathNamesTheFileInTheDataFolderItNames)
{
    const StoredPathFolders both{"/opt/zubo/baza/", "/home/jan/dane/"};
    const StoredPathFolders defaultOnly{"/opt/zubo/baza/", ""};
    const struct {
        const char* stored;
        StoredPathFolders folders;
        QString local;
    } cases[] = {
        {"C:\\Program Files\\Zubo\\baza\\1-2-3.wps", both, "/opt/zubo/baza/1-2-3.wps"},
        {"c:\\zubo\\BAZA\\1-2-3.WPS", both, "/opt/zubo/baza/1-2-3.WPS"},
        {"\\\\serwer\\zubo\\baza\\7-7-7.wps", both, "/opt/zubo/baza/7-7-7.wps"},
        {"D:\\dane\\kontakty\\5-5-5.wps", both, "/home/jan/dane/5-5-5.wps"},
        {"D:\\bazy\\5-5-5.wps", both, "/home/jan/dane/5-5-5.wps"},
        {"C:\\zubo\\baza\\Łódź.wps", both, QString::fromUtf8("/opt/zubo/baza/Łódź.wps")},
        // No second folder in use: the path stays as it was stored.
        {"D:\\dane\\5-5-5.wps", defaultOnly, "D:\\dane\\5-5-5.wps"},
        {"C:\\zubo\\baza\\1-2-3.wps", defaultOnly, "/opt/zubo/baza/1-2-3.wps"},
        // Paths of this system, bare names and folders are taken as they stand.
        {"/home/jan/zubo/baza/1-2-3.wps", both, "/home/jan/zubo/baza/1-2-3.wps"},
        {"/home/jan/a\\b.wps", both, "/home/jan/a\\b.wps"},
        {"1-2-3.wps", both, "1-2-3.wps"},
        {"C:\\zubo\\baza\\", both, "C:\\zubo\\baza\\"},
        {"", both, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localPersonPath(QString::fromUtf8(c.stored), c.folders), c.local) << c.stored;
}

TEST(LocalPersonPath, TheFoldersAreTheDefaultOneAndTheSecondOneInUse)
{
    DatabaseSettings settings;
    settings.UseSecondBase = true;
    settings.SecondBasePath = "/home/jan/dane/";
    StoredPathFolders folders = storedPathFolders(settings, "/opt/zubo/");
    EXPECT_EQ(folders.defaultBase, "/opt/zubo/baza/");
    EXPECT_EQ(folders.secondBase, "/home/jan/dane/");

    settings.UseSecondBase = false;
    settings.UseDefaultBase = false;
    folders = storedPathFolders(settings, "/opt/zubo/");
    EXPECT_EQ(folders.defaultBase, "/opt/zubo/baza/");
    EXPECT_EQ(folders.secondBase, "");
}

} // namespace
