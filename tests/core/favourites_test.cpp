#include "favourites.h"

#include "codec1250.h"
#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class FavouritesFile : public ::testing::Test {
protected:
    FavouritesWrite append(const QString& path, const FileWriter& writer = FileWriter::standard(),
                           const TextReader& reader = TextReader::standard())
    {
        return appendFavourite(file, path, writer, reader, &message);
    }

    TempDir dir;
    const QString file = dir.file("baza/ulubione.sps");
    QString message;
};

TEST_F(FavouritesFile, AppendingMakesTheFileAndAddsOneLinePerCallDuplicatesIncluded)
{
    dir.mkdir("baza");
    const QString person = dir.file("baza/1-2-3.wps");
    EXPECT_EQ(append(person), FavouritesWrite::Done);
    EXPECT_EQ(append(dir.file("druga/Łódź.wps")), FavouritesWrite::Done);
    EXPECT_EQ(append(person), FavouritesWrite::Done);
    const QByteArray polish = cp1250::fromUnicode(dir.file("druga/Łódź.wps")).value();
    EXPECT_EQ(dir.read("baza/ulubione.sps"), person.toUtf8() + "\r\n" + polish + "\r\n" + person.toUtf8() + "\r\n");
}

TEST_F(FavouritesFile, AppendingToAFileWithoutAFinalLineEndKeepsItsLastPathWhole)
{
    dir.write("baza/ulubione.sps", "/a/1.wps\r\n/a/2.wps");
    EXPECT_EQ(append("/a/3.wps"), FavouritesWrite::Done);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), "/a/1.wps\r\n/a/2.wps\r\n/a/3.wps\r\n");
}

TEST_F(FavouritesFile, AFileThatCannotBeReadOrWrittenStaysAsItWas)
{
    const QByteArray old = "/a/1.wps\r\n";
    dir.write("baza/ulubione.sps", old);
    EXPECT_EQ(append("/a/2.wps", FailingFileWriter(3)), FavouritesWrite::Failed);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), old);
    EXPECT_EQ(append("/a/2.wps", FileWriter::standard(), FailingTextReader({file})), FavouritesWrite::Failed);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), old);
    EXPECT_EQ(writeFavourites(file, {{"/a/2.wps", "B", ""}}, FailingFileWriter(3), &message), FavouritesWrite::Failed);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), old);
}

// A data folder copied from elsewhere may hold the favourites file as a link: one that leads out of
// the folder is never written through.
TEST_F(FavouritesFile, ALinkLeadingOutOfTheFolderIsNotWrittenThrough)
{
    const QByteArray old = "/a/1.wps\r\n";
    dir.mkdir("baza");
    ASSERT_TRUE(QFile::link(dir.write("obce/lista.txt", old), file));
    EXPECT_EQ(append("/a/2.wps"), FavouritesWrite::Failed);
    EXPECT_TRUE(message.startsWith(file)) << message.toStdString();
    EXPECT_EQ(writeFavourites(file, {{"/a/2.wps", "B", ""}}, FileWriter::standard(), &message),
              FavouritesWrite::Failed);
    EXPECT_EQ(dir.read("obce/lista.txt"), old);

    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::link(dir.write("baza/stara.sps", old), file));
    EXPECT_EQ(append("/a/2.wps"), FavouritesWrite::Done);
    EXPECT_EQ(dir.read("baza/stara.sps"), "/a/1.wps\r\n/a/2.wps\r\n");
}

TEST_F(FavouritesFile, APathTheFileCannotKeepIsRefusedWithAMessageNamingIt)
{
    dir.mkdir("baza");
    for (const QString& path : {QStringLiteral("/dane/Москва.wps"), QStringLiteral("/dane/a\nb.wps"),
                                QStringLiteral("/dane/a\rb.wps"), QStringLiteral("/dane/a\x1a.wps")}) {
        SCOPED_TRACE(path.toStdString());
        message.clear();
        EXPECT_EQ(append(path), FavouritesWrite::PathNotStorable);
        EXPECT_TRUE(message.contains(path));
        EXPECT_EQ(writeFavourites(file, {{path, "x", ""}}, FileWriter::standard(), &message),
                  FavouritesWrite::PathNotStorable);
        EXPECT_FALSE(dir.exists("baza/ulubione.sps"));
    }
}

TEST_F(FavouritesFile, RewritingWritesThePathsInOrderAndNoneLeavesAnEmptyFile)
{
    dir.write("baza/ulubione.sps", "/a/1.wps\r\n");
    EXPECT_EQ(writeFavourites(file, {{"/a/2.wps", "B", ""}, {"/a/1.wps", "A", ""}}, FileWriter::standard(), &message),
              FavouritesWrite::Done);
    EXPECT_EQ(dir.read("baza/ulubione.sps"), "/a/2.wps\r\n/a/1.wps\r\n");
    EXPECT_EQ(writeFavourites(file, {}, FileWriter::standard(), &message), FavouritesWrite::Done);
    EXPECT_TRUE(dir.exists("baza/ulubione.sps"));
    EXPECT_EQ(dir.read("baza/ulubione.sps"), "");
}

TEST(IndexOfPath, FindsTheFirstEntryOfExactlyThePath)
{
    const QList<PersonListEntry> favourites = {{"/a/1.wps", "A", ""}, {"/a/2.wps", "B", ""}, {"/a/1.wps", "A", ""}};
    EXPECT_EQ(indexOfPath(favourites, "/a/1.wps"), 0);
    EXPECT_EQ(indexOfPath(favourites, "/a/2.wps"), 1);
    EXPECT_EQ(indexOfPath(favourites, "/A/1.wps"), -1);
    EXPECT_EQ(indexOfPath({}, "/a/1.wps"), -1);
}

} // namespace
