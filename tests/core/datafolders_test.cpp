#include "datafolders.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// A program folder with both data folders, a folder beside them, and links in every direction, as
// an unpacked archive or a copied folder may hold them.
class DataFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("prog/baza/1.wps", "a");
        dir.write("prog/baza/sub/2.wps", "b");
        dir.write("druga/3.wps", "c");
        dir.write("prog/bazaobok/4.wps", "d");
        dir.write("obce/notes.wpj", "e");
        link("obce/notes.wpj", "prog/baza/out.wps");
        link("druga/3.wps", "prog/baza/other.wps");
        link("prog/baza/1.wps", "prog/baza/same.wps");
        link("obce/missing.wps", "prog/baza/dangling.wps");
        link("prog/baza/missing.wps", "prog/baza/danglingin.wps");
        link("obce", "prog/baza/obce");
        dir.write("obce/sub/5.wps", "f");
        link("obce/sub", "prog/baza/podfolder");
        link("druga", "prog/drugalink");
        link("prog/baza/out.wps", "prog/baza/chain.wps");
    }

    void link(const QString& target, const QString& name)
    {
        ASSERT_TRUE(QFile::link(dir.file(target), dir.file(name)));
    }

    TempDir dir;
    // The second folder as the settings may name it: through a link.
    QStringList folders() const { return {dir.file("prog/baza/"), dir.file("prog/drugalink/")}; }
};

TEST_F(DataFoldersTest, AFileLiesInTheFoldersWhenItsFolderDoesWithEveryLinkResolved)
{
    const struct {
        const char* path;
        bool inside;
    } cases[] = {
        {"prog/baza/1.wps", true},
        {"prog/baza/gone.wps", true}, // need not exist
        {"prog/baza/sub/2.wps", true},
        {"druga/3.wps", true}, // the second folder by its own name
        {"prog/drugalink/3.wps", true},
        {"prog/baza/out.wps", true}, // the link's own place
        {"prog/bazaobok/4.wps", false},
        {"obce/notes.wpj", false},
        {"prog/baza/obce/notes.wpj", false}, // through a folder link that leads out
        {"prog/baza/../bazaobok/4.wps", false},
        // ".." after a folder link goes up from where the link leads, whatever the text says
        {"prog/baza/podfolder/../notes.wpj", false},
        {"prog/baza/podfolder/../../prog/baza/1.wps", true},
        {"prog/baza/sub/..", false},
        {"prog/baza", false},
        {"nowhere/1.wps", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(liesInDataFolders(dir.file(c.path), folders()), c.inside) << c.path;
    EXPECT_FALSE(liesInDataFolders(dir.file("prog/baza/1.wps"), {}));
    EXPECT_FALSE(liesInDataFolders(dir.file("druga/3.wps"), {dir.file("prog/baza/")}));
}

TEST_F(DataFoldersTest, ALinkLeadsOutWhenWhatAWriteWouldChangeLiesOutside)
{
    const struct {
        const char* path;
        bool out;
    } cases[] = {
        {"prog/baza/1.wps", false},                                          // no link
        {"obce/notes.wpj", false},                                           // no link, wherever it lies
        {"prog/baza/same.wps", false},       {"prog/baza/other.wps", false}, // into the other data folder
        {"prog/baza/danglingin.wps", false}, {"prog/baza/out.wps", true},
        {"prog/baza/chain.wps", true},       {"prog/baza/dangling.wps", true}, // a write would create the outside file
    };
    for (const auto& c : cases)
        EXPECT_EQ(isLinkLeadingOut(dir.file(c.path), folders()), c.out) << c.path;
}

} // namespace
