#include "storedpaths.h"

#include "settings.h"
#include "support.h"

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
        // "/" separates folders on the old system too, and "." or ".." is no file of a folder: the
        // name looked for in a data folder never leads out of it.
        {"C:\\zubo\\baza/1-2-3.wps", both, "/opt/zubo/baza/1-2-3.wps"},
        {"C:\\zubo\\baza\\../../etc/passwd", both, "/home/jan/dane/passwd"},
        {"C:\\zubo\\baza\\..", both, "C:\\zubo\\baza\\.."},
        {"C:\\zubo\\baza\\.", both, "C:\\zubo\\baza\\."},
        {"C:\\zubo\\baza\\dane/", both, "C:\\zubo\\baza\\dane/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(localPersonPath(QString::fromUtf8(c.stored), c.folders), c.local) << c.stored;
}

// The old system's file names ignore case: a stored name finds the file that differs only in case,
// compared letter for letter (never as a pattern); a file of exactly the stored name comes first.
TEST(LocalPersonPath, AnOldSystemsNameFindsTheFileWhateverItsCase)
{
    TempDir dir;
    for (const char* name :
         {"baza/ab.wps", "baza/CD.wps", "baza/cd.wps", "baza/xy.wps", "baza/ŁÓDŹ.wps", "druga/5-5-5.wps"})
        dir.write(QString::fromUtf8(name), "x");
    const StoredPathFolders folders{dir.file("baza/"), dir.file("druga/")};
    const struct {
        const char* stored;
        const char* local; // in the temporary folder
    } cases[] = {
        {"C:\\ZUBO\\BAZA\\AB.WPS", "baza/ab.wps"},
        {"C:\\zubo\\baza\\Ab.wps", "baza/ab.wps"},
        {"C:\\zubo\\baza\\cd.wps", "baza/cd.wps"},
        {"C:\\zubo\\baza\\CD.wps", "baza/CD.wps"},
        {"C:\\zubo\\baza\\łódź.wps", "baza/ŁÓDŹ.wps"},
        {"D:\\DANE\\5-5-5.WPS", "druga/5-5-5.wps"},
        // Another extension is another file; "?" and "*" are letters of a name, not a pattern.
        {"C:\\zubo\\baza\\AB.WPB", "baza/AB.WPB"},
        {"C:\\zubo\\baza\\x?.wps", "baza/x?.wps"},
        {"C:\\zubo\\baza\\*.wps", "baza/*.wps"},
        {"C:\\zubo\\baza\\ab", "baza/ab"},
    };
    LocalPersonPaths paths(folders);
    for (const auto& c : cases) {
        const QString stored = QString::fromUtf8(c.stored);
        EXPECT_EQ(localPersonPath(stored, folders), dir.file(QString::fromUtf8(c.local))) << c.stored;
        EXPECT_EQ(paths(stored), dir.file(QString::fromUtf8(c.local))) << c.stored;
    }
    // A path of this system is taken as it stands.
    EXPECT_EQ(localPersonPath(dir.file("baza/AB.WPS"), folders), dir.file("baza/AB.WPS"));
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
