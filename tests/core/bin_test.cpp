#include "bin.h"

#include "support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

#define T(key, value) "<$@$>" key "</$@$>" value

const QDateTime now{QDate(2026, 12, 8), QTime(9, 5, 7)};

// The files of a folder, sorted, with their contents.
QMap<QString, QByteArray> contents(const TempDir& dir, const QString& folder = QString())
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir.file(folder)).entryList(QDir::Files))
        files.insert(name, dir.read(folder + name));
    return files;
}

TEST(DeleteEntry, MovesPersonsToTheBinAndDeletesOtherEntriesForGoodWithTheirPhotos)
{
    struct Case {
        const char* what;
        QMap<QString, QByteArray> before;
        const char* deleted;
        QMap<QString, QByteArray> after;
    };
    const Case cases[] = {
        {"a person goes to the bin and keeps its photo",
         {{"1.wps", "new"}, {"1.bmp", "photo"}, {"2.wps", "other"}},
         "1.wps",
         {{"1.wpb", "new"}, {"1.bmp", "photo"}, {"2.wps", "other"}}},
        {"an older bin entry of the same name is moved aside, so both stay in the bin",
         {{"1.wps", "new"}, {"1.wpb", "old"}},
         "1.wps",
         {{"1.wpb", "new"}, {"2026128_957.wpb", "old"}}},
        {"an older bin entry written in capitals too",
         {{"1.wps", "new"}, {"1.WPB", "old"}},
         "1.wps",
         {{"1.wpb", "new"}, {"2026128_957.wpb", "old"}}},
        {"the moment's name is taken by a file of any kind",
         {{"1.wps", "new"}, {"1.wpb", "old"}, {"2026128_957.bmp", "x"}, {"2026128_957_2.WPS", "y"}},
         "1.wps",
         {{"1.wpb", "new"}, {"2026128_957.bmp", "x"}, {"2026128_957_2.WPS", "y"}, {"2026128_957_3.wpb", "old"}}},
        {"a person file written in capitals", {{"1.WPS", "new"}}, "1.WPS", {{"1.wpb", "new"}}},
        {"a one-off reminder without a photo", {{"1.wpj", "r"}, {"1.wps", "p"}}, "1.wpj", {{"1.wps", "p"}}},
        {"a one-off reminder with its photo", {{"1.wpj", "r"}, {"1.BMP", "photo"}}, "1.wpj", {}},
        {"a bin entry goes for good with its photo",
         {{"1.wpb", "b"}, {"1.bmp", "photo"}, {"2.bmp", "x"}},
         "1.wpb",
         {{"2.bmp", "x"}}},
        {"a one-off reminder leaves the photo its person of the same base still uses",
         {{"1.wpj", "r"}, {"1.bmp", "photo"}, {"1.WPS", "p"}},
         "1.wpj",
         {{"1.bmp", "photo"}, {"1.WPS", "p"}}},
        {"a bin entry leaves the photo its person of the same base still uses",
         {{"1.wpb", "b"}, {"1.bmp", "photo"}, {"1.wps", "p"}},
         "1.wpb",
         {{"1.bmp", "photo"}, {"1.wps", "p"}}},
        {"a name is no pattern: another person's bin entry stays",
         {{"x*.wps", "new"}, {"xyz.wpb", "other"}},
         "x*.wps",
         {{"x*.wpb", "new"}, {"xyz.wpb", "other"}}},
        {"a name is no pattern: another person's photo stays",
         {{"a?.wpj", "r"}, {"ab.bmp", "other"}},
         "a?.wpj",
         {{"ab.bmp", "other"}}},
        {"another kind of file is not touched",
         {{"notes.txt", "n"}, {"notes.bmp", "x"}},
         "notes.txt",
         {{"notes.txt", "n"}, {"notes.bmp", "x"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        for (auto it = c.before.cbegin(); it != c.before.cend(); ++it)
            dir.write(it.key(), it.value());
        const auto result = deleteEntry(dir.file(c.deleted), now, FileWriter::standard(), FileRemover::standard());
        ASSERT_TRUE(result);
        EXPECT_EQ(result->failedPath, "");
        EXPECT_EQ(contents(dir), c.after);
    }
}

TEST(DeleteEntry, APathThatOnlyHoldsTheExtensionElsewhereTouchesNothing)
{
    TempDir dir;
    // Cutting the first ".wps" out of this path would make "x/1.abs" the base and delete the bin
    // entry "x/1.abs.wpb" of another person.
    dir.write("x.wps/1.abs", "a");
    dir.write("x/1.abs.wpb", "bin entry of another person");
    const RecordingRemover remover;
    EXPECT_FALSE(deleteEntry(dir.file("x.wps/1.abs"), now, FileWriter::standard(), remover));
    EXPECT_TRUE(remover.asked.isEmpty());
    EXPECT_TRUE(dir.exists("x.wps/1.abs"));
    EXPECT_TRUE(dir.exists("x/1.abs.wpb"));
}

TEST(DeleteEntry, AnOlderBinEntryMovedAsideTakesACopyOfThePhotoItNames)
{
    // The photo goes with the base, which the newly deleted person keeps.
    TempDir dir;
    dir.write("1.wps", crlf({T("nazwisko", "Nowy"), T("zdjecie", "1.bmp")}));
    dir.write("1.wpb", crlf({T("nazwisko", "Stary"), T("zdjecie", "1.BMP"), T("nieznany", "x")}) + "\x1astare dane");
    dir.write("1.bmp", "photo");
    const auto result = deleteEntry(dir.file("1.wps"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failedPath, "");
    EXPECT_EQ(result->movedAside, dir.file("2026128_957.wpb"));
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{
                                 {"1.wpb", crlf({T("nazwisko", "Nowy"), T("zdjecie", "1.bmp")})},
                                 {"1.bmp", "photo"},
                                 {"2026128_957.wpb",
                                  crlf({T("nazwisko", "Stary"), T("zdjecie", "2026128_957.bmp"), T("nieznany", "x")}) +
                                      "\x1astare dane"},
                                 {"2026128_957.bmp", "photo"},
                             }));
}

TEST(DeleteEntry, AnOlderBinEntryThatCannotBeMovedKeepsEverythingAsItWas)
{
    struct Case {
        const char* what;
        const FileWriter& writer;
        QStringList failingRemovals;
    };
    TempDir dir;
    const FailingFileWriter fullDisk(0);
    const Case cases[] = {
        {"the copy cannot be written", fullDisk, {}},
        {"the old entry cannot be deleted", FileWriter::standard(), {dir.file("1.wpb")}},
    };
    const QMap<QString, QByteArray> before{{"1.wps", "new"}, {"1.wpb", T("zdjecie", "1.bmp")}, {"1.bmp", "photo"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            dir.write(it.key(), it.value());
        const RecordingRemover remover(c.failingRemovals);
        const auto result = deleteEntry(dir.file("1.wps"), now, c.writer, remover);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->failedPath, dir.file("1.wpb"));
        EXPECT_EQ(contents(dir), before);
    }
}

TEST(MovedAsideName, IsTheMomentWithoutLeadingZeros)
{
    struct Case {
        QDateTime now;
        const char* name;
    };
    const Case cases[] = {
        {QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)), "2026128_957.wps"},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)), "202711_000.wps"},
        {QDateTime(QDate(2030, 11, 30), QTime(23, 59, 58)), "20301130_235958.wps"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(movedAsideName(c.now), c.name);
}

class RestoreEntry : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(RestoreEntry, RenamesTheBinEntryBackToAPersonFile)
{
    dir.write("1.wpb", "binned");
    dir.write("1.bmp", "photo");
    const auto result = restoreEntry(dir.file("1.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->restored);
    EXPECT_EQ(result->restoredPath, dir.file("1.wps"));
    EXPECT_EQ(result->movedAside, "");
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{{"1.wps", "binned"}, {"1.bmp", "photo"}}));
}

TEST_F(RestoreEntry, KeepsAPersonOfTheSameNameUnderTheMomentsName)
{
    dir.write("1.wpb", "binned");
    dir.write("1.wps", "added since");
    const auto result = restoreEntry(dir.file("1.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->restored);
    EXPECT_EQ(result->movedAside, dir.file("2026128_957.wps"));
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{{"1.wps", "binned"}, {"2026128_957.wps", "added since"}}));
}

TEST_F(RestoreEntry, APersonMovedAsideKeepsItsPhotoWhenTheRestoredPersonGoesForGood)
{
    // Both persons named 1.bmp; had the moved person kept that name, deleting the restored person and
    // then its bin entry would have taken the photo the moved person still shows.
    dir.write("1.wpb", crlf({T("nazwisko", "Stary"), T("zdjecie", "1.bmp")}));
    dir.write("1.wps", crlf({T("nazwisko", "Nowy"), T("zdjecie", "1.bmp")}));
    dir.write("1.bmp", "photo");
    const auto result = restoreEntry(dir.file("1.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->restored);
    EXPECT_EQ(result->movedAside, dir.file("2026128_957.wps"));
    const QDateTime later = now.addSecs(60);
    ASSERT_TRUE(deleteEntry(dir.file("1.wps"), later, FileWriter::standard(), FileRemover::standard()));
    ASSERT_TRUE(deleteEntry(dir.file("1.wpb"), later, FileWriter::standard(), FileRemover::standard()));
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{
                                 {"2026128_957.wps", crlf({T("nazwisko", "Nowy"), T("zdjecie", "2026128_957.bmp")})},
                                 {"2026128_957.bmp", "photo"},
                             }));
}

TEST_F(RestoreEntry, WhenThePersonCannotBeMovedAsideNothingIsRenamedAndTheFailureIsNamed)
{
    dir.write("1.wpb", "binned");
    dir.write("1.wps", T("zdjecie", "1.bmp"));
    dir.write("1.bmp", "photo");
    const FailingFileWriter fullDisk(0);
    const auto result = restoreEntry(dir.file("1.wpb"), now, fullDisk, FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->restored);
    EXPECT_EQ(result->failedPath, dir.file("1.wps"));
    EXPECT_EQ(contents(dir),
              (QMap<QString, QByteArray>{{"1.wpb", "binned"}, {"1.wps", T("zdjecie", "1.bmp")}, {"1.bmp", "photo"}}));
}

TEST_F(RestoreEntry, WhenTheMomentsNameIsTakenNothingIsRenamed)
{
    dir.write("1.wpb", "binned");
    dir.write("1.wps", "added since");
    dir.write("2026128_957.wps", "moved aside a moment ago");
    const auto result = restoreEntry(dir.file("1.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->restored);
    EXPECT_EQ(contents(dir),
              (QMap<QString, QByteArray>{
                  {"1.wpb", "binned"}, {"1.wps", "added since"}, {"2026128_957.wps", "moved aside a moment ago"}}));
}

TEST_F(RestoreEntry, TwoRestoresWithinOneSecondNeverShareTheMomentsName)
{
    // Each person moved aside has a photo of its own, so it is copied, not renamed: the second copy
    // must not go over the first.
    dir.write("1.wpb", "binned 1");
    dir.write("1.wps", crlf({T("nazwisko", "Pierwsza"), T("zdjecie", "1.bmp")}));
    dir.write("1.bmp", "photo 1");
    dir.write("2.wpb", "binned 2");
    dir.write("2.wps", crlf({T("nazwisko", "Druga"), T("zdjecie", "2.bmp")}));
    dir.write("2.bmp", "photo 2");
    const auto first = restoreEntry(dir.file("1.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(first);
    ASSERT_TRUE(first->restored);
    const QMap<QString, QByteArray> between = contents(dir);
    const auto second = restoreEntry(dir.file("2.wpb"), now, FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(second);
    EXPECT_FALSE(second->restored);
    EXPECT_EQ(second->failedPath, dir.file("2.wps"));
    EXPECT_EQ(contents(dir), between);
    EXPECT_EQ(between.value("2026128_957.wps"), crlf({T("nazwisko", "Pierwsza"), T("zdjecie", "2026128_957.bmp")}));
    EXPECT_EQ(between.value("2026128_957.bmp"), "photo 1");
}

TEST_F(RestoreEntry, APersonSavedMeanwhileIsNeverDeletedAsMovedAside)
{
    // Another window saves the person while its copy is being written: the copy is not what the
    // file now holds, so the file stays and nothing is restored.
    class SavingMeanwhile : public FileWriter {
    public:
        explicit SavingMeanwhile(QString person)
            : m_person(std::move(person))
        {}

    protected:
        qint64 writeChunk(const QString& target, int fd, const char* data, qint64 size) const override
        {
            QFile file(m_person);
            if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                file.write(crlf({T("nazwisko", "Zapisana w innym oknie"), T("zdjecie", "1.bmp")}));
            return FileWriter::writeChunk(target, fd, data, size);
        }

    private:
        QString m_person;
    };
    dir.write("1.wpb", "binned");
    dir.write("1.wps", crlf({T("nazwisko", "Nowy"), T("zdjecie", "1.bmp")}));
    dir.write("1.bmp", "photo");
    const auto result =
        restoreEntry(dir.file("1.wpb"), now, SavingMeanwhile(dir.file("1.wps")), FileRemover::standard());
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->restored);
    EXPECT_EQ(result->failedPath, dir.file("1.wps"));
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{
                                 {"1.wpb", "binned"},
                                 {"1.wps", crlf({T("nazwisko", "Zapisana w innym oknie"), T("zdjecie", "1.bmp")})},
                                 {"1.bmp", "photo"},
                             }));
}

TEST_F(RestoreEntry, OnlyBinEntriesAreRestored)
{
    dir.write("1.wps", "p");
    dir.write("x.wpb/2.b", "b");
    EXPECT_FALSE(restoreEntry(dir.file("1.wps"), now, FileWriter::standard(), FileRemover::standard()));
    EXPECT_FALSE(restoreEntry(dir.file("x.wpb/2.b"), now, FileWriter::standard(), FileRemover::standard()));
    EXPECT_EQ(contents(dir), (QMap<QString, QByteArray>{{"1.wps", "p"}}));
}

} // namespace
