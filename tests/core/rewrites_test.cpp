// The rewrites of a person file (an edit, a group rename, a bin entry moved aside) keep the line end
// of every line they leave alone, whatever the file's line ends are.
#include "bin.h"
#include "entrysave.h"
#include "groupmanagement.h"

#include "support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <array>

namespace {

#define T(key, value) "<$@$>" key "</$@$>" value

constexpr char kCrLf[] = "\r\n";
constexpr char kLf[] = "\n";
constexpr char kNone[] = "";

// A person file in the order the editor writes it: line 2 is what the edit and the group rename
// change, line 3 what moving a bin entry aside changes.
const std::array<QByteArray, 4> kLines = {T("nazwisko", "Anna"), T("grupa", "Praca"), T("zdjecie", "1.bmp"),
                                          T("nieznany", "x")};

struct Shape {
    const char* what;
    std::array<const char*, 4> ends;
    QByteArray tail;
    // The end a line written anew gets: the first line's, CR LF where that has none.
    const char* newEnd;
};

const Shape kShapes[] = {
    {"CR LF throughout", {kCrLf, kCrLf, kCrLf, kCrLf}, "", kCrLf},
    {"LF only", {kLf, kLf, kLf, kLf}, "", kLf},
    {"LF first, CR LF further on", {kLf, kCrLf, kCrLf, kLf}, "", kLf},
    {"CR LF first, LF further on", {kCrLf, kLf, kLf, kCrLf}, "", kCrLf},
    {"LF, the last line without an end", {kLf, kLf, kLf, kNone}, "", kLf},
    {"CR LF, the last line without an end", {kCrLf, kCrLf, kCrLf, kNone}, "", kCrLf},
    {"mixed, the last line ended by a Ctrl-Z", {kLf, kCrLf, kLf, kNone}, "\x1a" T("grupa", "Praca") "\n", kLf},
    {"mixed, bytes after a Ctrl-Z", {kCrLf, kLf, kCrLf, kLf}, "\x1a stare\rdane", kCrLf},
};

// The file of a shape with line `changed` (1-based, 0 for none) replaced by `line`, ended as a line
// written anew.
QByteArray fileOf(const Shape& shape, int changed = 0, const QByteArray& line = QByteArray())
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += i + 1 == changed ? line + shape.newEnd : kLines[i] + shape.ends[i];
    return bytes + shape.tail;
}

TEST(PersonFileRewrites, KeepTheLineEndOfEveryLineTheyDoNotChange)
{
    const QDateTime now{QDate(2026, 12, 8), QTime(9, 5, 7)};
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.what);
        TempDir dir;
        const QString folder = dir.mkdir("baza");

        // An edit that changes nothing writes the file back as it was; one that changes the group
        // writes that line anew.
        const QString path = dir.write("baza/1.wps", fileOf(shape));
        EntrySave edit;
        edit.addMode = false;
        edit.editedPath = path;
        edit.record = PersonRecord::parse(splitLines(fileOf(shape)));
        edit.record.otherLines.clear();
        SequenceRandom random{1};
        ASSERT_TRUE(saveEntry(edit, random, FileWriter::standard(), FileRemover::standard()).saved);
        EXPECT_EQ(dir.read("baza/1.wps"), fileOf(shape)) << "unchanged edit";
        edit.record.grupa = {"Dom"};
        ASSERT_TRUE(saveEntry(edit, random, FileWriter::standard(), FileRemover::standard()).saved);
        EXPECT_EQ(dir.read("baza/1.wps"), fileOf(shape, 2, T("grupa", "Dom"))) << "edit";

        // A group renamed and then deleted in the files.
        dir.write("baza/1.wps", fileOf(shape));
        RenameGroupInFiles({folder}, "Praca", "Biuro", TextReader::standard(), FileWriter::standard());
        EXPECT_EQ(dir.read("baza/1.wps"), fileOf(shape, 2, T("grupa", "Biuro"))) << "group rename";
        dir.write("baza/1.wps", fileOf(shape));
        RemoveGroupFromFiles({folder}, "Praca", TextReader::standard(), FileWriter::standard());
        QByteArray without = fileOf(shape);
        without.remove(kLines[0].size() + qstrlen(shape.ends[0]), kLines[1].size() + qstrlen(shape.ends[1]));
        EXPECT_EQ(dir.read("baza/1.wps"), without) << "group deletion";

        // An older bin entry with its photo, moved aside when the person of its name is deleted.
        dir.write("baza/1.wpb", fileOf(shape));
        dir.write("baza/1.bmp", "photo");
        ASSERT_TRUE(deleteEntry(dir.file("baza/1.wps"), now, FileWriter::standard(), FileRemover::standard()));
        EXPECT_EQ(dir.read("baza/2026128_957.wpb"), fileOf(shape, 3, T("zdjecie", "2026128_957.bmp")))
            << "bin entry moved aside";
    }
}

// On a real full disk every rewrite fails, says so, and leaves each file byte for byte as it was,
// with no temporary file behind. The file is padded so that no rewrite fits in what little the
// filled disk leaves.
TEST(PersonFileRewrites, OnAFullDiskEachFailsAndLeavesTheFilesAsTheyWere)
{
    FullDisk disk;
    SKIP_WITHOUT_FULL_DISK(disk);
    const Shape& lfOnly = kShapes[1];
    const QByteArray old = fileOf(lfOnly) + T("notatka", "") + QByteArray(3000, 'x') + "\n";
    const QString path = disk.write("1.wps", old);
    disk.write("1.wpb", old);
    disk.write("1.bmp", "photo");
    ASSERT_TRUE(disk.fill());
    const QStringList names = disk.names();
    const auto unchanged = [&](const char* what) {
        EXPECT_EQ(disk.read("1.wps"), old) << what;
        EXPECT_EQ(disk.read("1.wpb"), old) << what;
        EXPECT_EQ(disk.read("1.bmp"), "photo") << what;
        EXPECT_EQ(disk.names(), names) << what;
    };

    EntrySave edit;
    edit.addMode = false;
    edit.editedPath = path;
    edit.record = PersonRecord::parse(splitLines(old));
    edit.record.otherLines.clear();
    edit.record.grupa = {"Dom, Praca i Biuro"};
    SequenceRandom random{1};
    const EntrySaveResult saved = saveEntry(edit, random, FileWriter::standard(), FileRemover::standard());
    EXPECT_FALSE(saved.saved);
    EXPECT_FALSE(saved.error.isEmpty());
    unchanged("edit");

    const GroupRewrite renamed =
        RenameGroupInFiles({disk.path()}, "Praca", "Biuro i Dom", TextReader::standard(), FileWriter::standard());
    EXPECT_TRUE(renamed.rewritten.isEmpty());
    EXPECT_EQ(renamed.errors.size(), 1);
    unchanged("group rename");

    const std::optional<DeleteResult> deleted = deleteEntry(path, QDateTime{QDate(2026, 12, 8), QTime(9, 5, 7)},
                                                            FileWriter::standard(), FileRemover::standard());
    ASSERT_TRUE(deleted);
    EXPECT_FALSE(deleted->failedPath.isEmpty());
    unchanged("bin entry moved aside");
}

} // namespace
