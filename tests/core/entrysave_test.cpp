#include "entrysave.h"

#include "support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

#define T(key, value) "<$@$>" key "</$@$>" value

class EntrySaveTest : public ::testing::Test {
protected:
    EntrySave newEntry(const char* type = "osoba") const
    {
        EntrySave e;
        e.addMode = true;
        e.entryType = type;
        e.folder = dir.path();
        e.record.nazwisko = cp("Nowak Jan");
        e.record.telefony = {"22 100"};
        e.record.grupa = {"Praca"};
        e.pendingPhone = "600";
        return e;
    }

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    TempDir dir;
    SequenceRandom random{1, 2, 3, 4, 5, 6};
    RecordingRemover remover;
    const QByteArray photo = QByteArray(300, 'B');
};

TEST_F(EntrySaveTest, NewEntryTakesARandomNameByTypeWithItsPhotoBeside)
{
    struct Case {
        const char* type;
        const char* file;
    };
    const Case cases[] = {{"osoba", "1-2-3.wps"}, {"jednorazowka", "4-5-6.wpj"}, {"cokolwiek", "1-2-3.wps"}};
    for (const Case& c : cases) {
        TempDir folder;
        EntrySave e = newEntry(c.type);
        e.folder = folder.path();
        e.photo = photo;
        const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover);
        ASSERT_TRUE(r.saved) << r.error.toStdString();
        EXPECT_EQ(r.fileName, c.file);
        const QString base = QString::fromLatin1(c.file).chopped(4);
        EXPECT_EQ(folder.read(base + ".bmp"), photo);
        const std::string photoLine = T("zdjecie", "") + base.toStdString() + ".bmp";
        EXPECT_EQ(folder.read(c.file), crlf({T("nazwisko", "Nowak Jan"), T("telefony", "600"), photoLine.c_str(),
                                             T("telefony", "22 100"), T("grupa", "Praca")}));
    }
}

TEST_F(EntrySaveTest, NewEntryWithoutPhotoHasNoPhotoLine)
{
    const EntrySaveResult r = saveEntry(newEntry(), random, FileWriter::standard(), remover);
    ASSERT_TRUE(r.saved);
    EXPECT_EQ(files(), QStringList{"1-2-3.wps"});
    EXPECT_FALSE(dir.read("1-2-3.wps").contains("zdjecie"));
}

TEST_F(EntrySaveTest, FailedNewEntryLeavesNoFileBehind)
{
    // Failing at once fails the photo; failing after the photo's bytes fails the person file.
    for (const qint64 limit : {qint64(0), qint64(300), qint64(320)}) {
        TempDir folder;
        EntrySave e = newEntry();
        e.folder = folder.path();
        e.photo = photo;
        const FailingFileWriter full(limit);
        const EntrySaveResult r = saveEntry(e, random, full, remover);
        EXPECT_FALSE(r.saved) << limit;
        EXPECT_FALSE(r.error.isEmpty()) << limit;
        EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << limit;
    }
}

TEST_F(EntrySaveTest, NewEntryIntoAMissingFolderFails)
{
    EntrySave e = newEntry();
    e.folder = dir.file("brak/");
    const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover);
    EXPECT_FALSE(r.saved);
    EXPECT_FALSE(r.error.isEmpty());
}

TEST_F(EntrySaveTest, EditRewritesInPlaceWithThePhotoNamedAsTheFileStands)
{
    const QString path = dir.write("AB-1.WPJ", crlf({T("nazwisko", "Stary"), T("ulica", "Stara")}));
    EntrySave e;
    e.addMode = false;
    e.editedPath = path;
    e.record.nazwisko = "Nowy";
    e.record.telefony = {"1"};
    e.record.grupa = {"G"};
    e.pendingPhone = "never written for an edit";
    e.photo = photo;
    const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover);
    ASSERT_TRUE(r.saved) << r.error.toStdString();
    EXPECT_EQ(r.fileName, "AB-1.WPJ");
    EXPECT_EQ(files(), QStringList({"AB-1.WPJ", "AB-1.bmp"}));
    EXPECT_EQ(dir.read("AB-1.WPJ"),
              crlf({T("nazwisko", "Nowy"), T("telefony", "1"), T("grupa", "G"), T("zdjecie", "AB-1.bmp")}));
    EXPECT_EQ(random.drawn(), 0);
}

TEST_F(EntrySaveTest, EditKeepsTheLinesTheEditorDoesNotShow)
{
    // Read when saving: a line added by another tool while the editor was open is kept too.
    const QString path = dir.write("1-1-1.wps", crlf({T("nazwisko", "Stary"), T("rodzaj", "x"), T("ulica", "Stara"),
                                                      "odręczna notatka", T("telefon_2", "600")}));
    EntrySave e;
    e.addMode = false;
    e.editedPath = path;
    e.record.nazwisko = "Nowy";
    ASSERT_TRUE(saveEntry(e, random, FileWriter::standard(), remover).saved);
    EXPECT_EQ(dir.read("1-1-1.wps"),
              crlf({T("nazwisko", "Nowy"), T("rodzaj", "x"), "odręczna notatka", T("telefon_2", "600")}));

    // An edited file that cannot be read is not overwritten.
    const QByteArray before = dir.read("1-1-1.wps");
    const FailingTextReader damaged({path});
    const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover, damaged);
    EXPECT_FALSE(r.saved);
    EXPECT_TRUE(r.error.startsWith(path)) << r.error.toStdString();
    EXPECT_EQ(dir.read("1-1-1.wps"), before);
}

// A data folder unpacked from an archive may hold links. An edit never writes through one that leads
// out of the data folders, neither as the person file nor as its photo: the outside files keep their
// bytes, and the error names the link. A link to a file of the data folders is written through.
TEST_F(EntrySaveTest, AnEditNeverWritesThroughALinkLeadingOutOfTheDataFolders)
{
    const QByteArray outside = crlf({T("nazwisko", "Obcy"), T("ulica", "Obca")});
    const QByteArray old = crlf({T("nazwisko", "Stary")});
    dir.write("baza/2.wps", old);
    ASSERT_TRUE(QFile::link(dir.write("obce/notes.wps", outside), dir.file("baza/1.wps")));
    ASSERT_TRUE(QFile::link(dir.write("obce/photo.bmp", "photo"), dir.file("baza/2.bmp")));
    ASSERT_TRUE(QFile::link(dir.write("baza/archiwum/3.wps", old), dir.file("baza/3.wps")));
    const struct {
        const char* name;
        bool withPhoto;
        const char* refused; // the link named, or nothing when saved
    } cases[] = {
        {"1.wps", false, "baza/1.wps"},
        {"1.wps", true, "baza/1.wps"},
        {"2.wps", true, "baza/2.bmp"},
        {"3.wps", true, nullptr},
    };
    EntrySave e;
    e.addMode = false;
    e.dataFolders = {dir.file("baza/")};
    e.record.nazwisko = "Nowy";
    for (const auto& c : cases) {
        e.editedPath = dir.file(QStringLiteral("baza/") + c.name);
        e.photo = c.withPhoto ? std::optional(photo) : std::nullopt;
        const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover);
        EXPECT_EQ(r.saved, !c.refused) << c.name;
        if (c.refused) {
            EXPECT_TRUE(r.error.startsWith(dir.file(c.refused))) << r.error.toStdString();
        }
    }
    EXPECT_EQ(dir.read("obce/notes.wps"), outside);
    EXPECT_EQ(dir.read("obce/photo.bmp"), "photo");
    EXPECT_EQ(dir.read("baza/2.wps"), old);
    EXPECT_EQ(dir.read("baza/archiwum/3.wps"), crlf({T("nazwisko", "Nowy"), T("zdjecie", "3.bmp")}));
    EXPECT_TRUE(QFileInfo(dir.file("baza/3.wps")).isSymLink());
}

TEST_F(EntrySaveTest, AnEditKeepsEveryByteOfTheValuesItDoesNotChange)
{
    // Written by another tool in the order an edit writes: lone CRs inside values, a note the memo
    // shows as two lines, and bytes after a Ctrl-Z, which reading leaves out.
    const QByteArray stored =
        crlf({T("nazwisko", "Adam\rAbacki"), T("ulica", "Lone CR\rinside"), T("telefony", "600\r1"),
              T("grupa", "Praca\r"), T("grupa", "Dom"), T("NIP", "7\r77"), T("impreza", "01.05.2000-Maj\rówka"),
              T("mail", "a\rdam@example.org"), T("notatka", "a\rb"), T("notatka", "c"), T("nieznany", "x\ry")}) +
        "\x1a" T("ulica", "po końcu") "\r\nstare dane";
    const QString path = dir.write("1-1-1.wps", stored);
    // What the editor hands back when nothing was changed: the values as read, the notes as the
    // memo's lines.
    EntrySave e;
    e.addMode = false;
    e.editedPath = path;
    e.record = PersonRecord::parse(splitLines(stored));
    e.record.notatka = {"a", "b", "c"};
    e.record.otherLines.clear();
    ASSERT_TRUE(saveEntry(e, random, FileWriter::standard(), remover).saved);
    EXPECT_EQ(dir.read("1-1-1.wps"), stored);

    // Values that were changed are made one line; the others keep their bytes.
    e.record.ulica = "Nowa\rulica";
    e.record.grupa = {"Praca\r", "Dom\r"};
    e.record.notatka = {"a", "b", "d"};
    ASSERT_TRUE(saveEntry(e, random, FileWriter::standard(), remover).saved);
    const QByteArray edited = dir.read("1-1-1.wps");
    EXPECT_TRUE(edited.contains(T("ulica", "Nowa ulica") "\r\n"));
    EXPECT_TRUE(edited.contains(T("grupa", "Praca\r") "\r\n" T("grupa", "Dom ") "\r\n"));
    EXPECT_TRUE(edited.contains(T("notatka", "a") "\r\n" T("notatka", "b") "\r\n" T("notatka", "d") "\r\n"));
    EXPECT_TRUE(edited.contains(T("nazwisko", "Adam\rAbacki") "\r\n"));
    EXPECT_TRUE(edited.endsWith("\r\n\x1a" T("ulica", "po końcu") "\r\nstare dane"));
}

// The main window shows the record a save hands back instead of reading the file again: it must be
// what the file holds, also where the lines written differ from the record the editor gave.
TEST_F(EntrySaveTest, TheRecordHandedBackIsWhatReadingTheFileGives)
{
    const QByteArray stored = crlf({T("nazwisko", "Adam\rAbacki"), T("ulica", "Lone CR\rinside"), T("grupa", "Praca\r"),
                                    T("notatka", "a\rb"), T("nieznany", "x\ry"), "odręczna notatka"}) +
                              "\x1a" T("ulica", "po końcu") "\r\n";
    const auto edit = [&](const char* name, const QByteArray& bytes = {}) {
        const QByteArray file = bytes.isEmpty() ? stored : bytes;
        EntrySave e;
        e.addMode = false;
        e.editedPath = dir.write(name, file);
        e.record = PersonRecord::parse(splitLines(file));
        if (bytes.isEmpty())
            e.record.notatka = {"a", "b"}; // the memo's lines of the stored note
        e.record.otherLines.clear();
        return e;
    };
    struct Case {
        const char* what;
        std::function<EntrySave()> make;
    };
    const Case cases[] = {
        {"a new entry: the pending phone first, the photo named",
         [&] {
             EntrySave e = newEntry();
             e.photo = photo;
             return e;
         }},
        {"an unchanged edit: values as stored, other lines kept", [&] { return edit("1.wps"); }},
        {"changed values made one line, with a photo",
         [&] {
             EntrySave e = edit("2.wps");
             e.record.ulica = "Nowa\rulica\nz\x1a";
             e.record.mail = {"a@b.pl"};
             e.photo = photo;
             return e;
         }},
        {"a file with LF line ends, a value added",
         [&] {
             EntrySave e = edit("4.wps", T("nazwisko", "Ola") "\n" T("ulica", "Stara\r") "\n" T("inny", "x") "\n");
             e.record.telefony = {"600"};
             return e;
         }},
        {"a file gone meanwhile, written anew",
         [&] {
             EntrySave e = edit("3.wps");
             QFile::remove(e.editedPath);
             return e;
         }},
    };
    for (const Case& c : cases) {
        const EntrySave e = c.make();
        const EntrySaveResult r = saveEntry(e, random, FileWriter::standard(), remover);
        ASSERT_TRUE(r.saved) << c.what << ": " << r.error.toStdString();
        const std::optional<Lines> written = readLines(dir.file(r.fileName));
        ASSERT_TRUE(written) << c.what;
        EXPECT_EQ(r.record, PersonRecord::parse(*written)) << c.what;
    }
}

TEST_F(EntrySaveTest, FailedEditKeepsTheOldFile)
{
    const QByteArray old = crlf({T("nazwisko", "Stary")});
    const QString path = dir.write("1-1-1.wps", old);
    EntrySave e;
    e.addMode = false;
    e.editedPath = path;
    e.record.nazwisko = "Nowy";
    for (const bool withPhoto : {false, true}) {
        e.photo = withPhoto ? std::optional(photo) : std::nullopt;
        const FailingFileWriter full(withPhoto ? 0 : 5);
        EXPECT_FALSE(saveEntry(e, random, full, remover).saved);
        EXPECT_EQ(dir.read("1-1-1.wps"), old);
        EXPECT_EQ(files(), QStringList{"1-1-1.wps"});
    }
}

TEST_F(EntrySaveTest, AnEditOnARealFullDiskKeepsTheOldFileAndItsPhoto)
{
    FullDisk disk;
    SKIP_WITHOUT_FULL_DISK(disk);
    const QByteArray old = crlf({T("nazwisko", "Stary"), T("zdjecie", "1-1-1.bmp")}) + QByteArray(1600, ' ');
    disk.write("1-1-1.wps", old);
    disk.write("1-1-1.bmp", "old photo");
    ASSERT_TRUE(disk.fill());
    EntrySave e;
    e.addMode = false;
    e.editedPath = disk.file("1-1-1.wps");
    e.record.nazwisko = "Nowy";
    for (const bool withPhoto : {false, true}) {
        e.photo = withPhoto ? std::optional(photo) : std::nullopt;
        const EntrySaveResult result = saveEntry(e, random, FileWriter::standard(), remover);
        EXPECT_FALSE(result.saved) << withPhoto;
        EXPECT_TRUE(result.error.contains(disk.path())) << result.error.toStdString();
        EXPECT_EQ(disk.read("1-1-1.wps"), old);
        EXPECT_EQ(disk.read("1-1-1.bmp"), "old photo");
        EXPECT_EQ(disk.names(), QStringList({"1-1-1.bmp", "1-1-1.wps", "filler"}));
    }
}

// A picture that could not be encoded gives no bytes; they must not replace a good photo.
TEST_F(EntrySaveTest, AnEmptyPhotoIsNeverWritten)
{
    const QByteArray old = crlf({T("nazwisko", "Stary"), T("zdjecie", "1-1-1.bmp")});
    dir.write("1-1-1.wps", old);
    dir.write("1-1-1.bmp", "old photo");
    EntrySave e;
    e.addMode = false;
    e.editedPath = dir.file("1-1-1.wps");
    e.record.nazwisko = "Nowy";
    e.photo = QByteArray();
    EXPECT_FALSE(saveEntry(e, random, FileWriter::standard(), remover).saved);
    EXPECT_EQ(dir.read("1-1-1.wps"), old);
    EXPECT_EQ(dir.read("1-1-1.bmp"), "old photo");

    EntrySave n = newEntry();
    n.photo = QByteArray();
    EXPECT_FALSE(saveEntry(n, random, FileWriter::standard(), remover).saved);
    EXPECT_EQ(files(), QStringList({"1-1-1.bmp", "1-1-1.wps"}));
}

} // namespace
