#include "profilefile.h"

#include "support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    TempDir dir;
    QString path = dir.file("opcje.ini");
    ProfileFile ini{path};
};

TEST_F(ProfileFileTest, MissingFileReadsDefaults)
{
    EXPECT_EQ(ini.readString("opcje", "baza_1", "jest"), "jest");
    EXPECT_EQ(ini.readInteger("opcje", "dni_do_urodzin", 7), 7);
}

TEST_F(ProfileFileTest, ReadsValuesByCaseInsensitiveNamesTrimmedAndCapped)
{
    dir.write("opcje.ini", "junk before sections\r\n"
                           "[Opcje]\r\n"
                           "; a comment\r\n"
                           "  Baza_2  =  /home/ala/dane  \r\n"
                           "pusty=\r\n"
                           "dlugi=" +
                               QByteArray(3000, 'x') +
                               "\r\n"
                               "[inne]\r\n"
                               "baza_2=nie ta\r\n");
    EXPECT_EQ(ini.readString("OPCJE", "baza_2", "brak"), "/home/ala/dane");
    EXPECT_EQ(ini.readString("opcje", "pusty", "brak"), "");
    EXPECT_EQ(ini.readString("opcje", "dlugi", "").size(), 2047);
    EXPECT_EQ(ini.readString("opcje", "brakujacy", "def"), "def");
    EXPECT_EQ(ini.readString("nieznana", "baza_2", "def"), "def");
}

TEST_F(ProfileFileTest, ReadsIntegersOrTheDefault)
{
    dir.write("opcje.ini", "[opcje]\r\na=12\r\nb=$A\r\nc=0x0B\r\nd=siedem\r\ne=\r\nf=-2\r\ng=3 dni\r\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"a", 12}, {"b", 10}, {"c", 11}, {"d", 7}, {"e", 7}, {"f", -2}, {"g", 7}, {"missing", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(ini.readInteger("opcje", c.key, 7), c.expected) << c.key;
}

TEST_F(ProfileFileTest, WritesInPlaceAppendsToSectionOrCreatesItAtTheEnd)
{
    dir.write("opcje.ini", "; notes kept as they are\r\n"
                           "[opcje]\r\n"
                           "Baza_1=jest\r\n"
                           "\r\n"
                           "[jezyk]\r\n"
                           "nazwa=Polski\r\n");
    QString error;
    ASSERT_TRUE(ini.writeString("opcje", "baza_1", "brak", &error));
    ASSERT_TRUE(ini.writeString("OPCJE", "baza_2", "brak", &error));
    ASSERT_TRUE(ini.writeInteger("kolory", "tlo_tlo", 123, &error));
    EXPECT_EQ(dir.read("opcje.ini"), "; notes kept as they are\r\n"
                                     "[opcje]\r\n"
                                     "Baza_1=brak\r\n"
                                     "baza_2=brak\r\n"
                                     "\r\n"
                                     "[jezyk]\r\n"
                                     "nazwa=Polski\r\n"
                                     "[kolory]\r\n"
                                     "tlo_tlo=123\r\n");
}

TEST_F(ProfileFileTest, FirstWriteCreatesTheFile)
{
    QString error;
    ASSERT_TRUE(ini.writeString("jezyk", "nazwa", "Polski", &error));
    EXPECT_EQ(dir.read("opcje.ini"), "[jezyk]\r\nnazwa=Polski\r\n");
}

TEST_F(ProfileFileTest, WritingTheSameValueLeavesTheBytesAlone)
{
    const QByteArray stored = "[jezyk]\nnazwa = Polski\n";
    dir.write("opcje.ini", stored);
    QString error;
    ASSERT_TRUE(ini.writeString("jezyk", "nazwa", "Polski", &error));
    EXPECT_EQ(dir.read("opcje.ini"), stored);
}

TEST_F(ProfileFileTest, ValueCannotBreakTheFile)
{
    QString error;
    ASSERT_TRUE(ini.writeString("adres_nadawcy", "linia1",
                                "a\r\n[opcje]\x1A"
                                "b",
                                &error));
    EXPECT_EQ(ini.readString("adres_nadawcy", "linia1", "???"), "a  [opcje] b");
    EXPECT_EQ(ini.readString("opcje", "linia1", "none"), "none");
}

TEST_F(ProfileFileTest, EraseSectionRemovesHeaderAndKeysOnly)
{
    dir.write("opcje.ini", "[adres_nadawcy]\r\nlinia1=a\r\nlinia2=b\r\n[opcje]\r\nbaza_1=jest\r\n");
    QString error;
    ASSERT_TRUE(ini.eraseSection("Adres_Nadawcy", &error));
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=jest\r\n");
    ASSERT_TRUE(ini.eraseSection("none", &error));
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=jest\r\n");
}

TEST_F(ProfileFileTest, FailedWriteReportsAndKeepsTheFile)
{
    const QByteArray stored = "[opcje]\r\nbaza_1=jest\r\n";
    dir.write("opcje.ini", stored);
    FailingFileWriter full(5);
    ProfileFile failing(path, full);
    QString error;
    EXPECT_FALSE(failing.writeString("opcje", "baza_1", "brak", &error));
    EXPECT_EQ(error, "Unable to write to " + path);
    EXPECT_EQ(dir.read("opcje.ini"), stored);
}

TEST_F(ProfileFileTest, UnreadableFileIsNeverReplaced)
{
    // A folder where the file should be: it cannot be read, so nothing may be written over it.
    dir.mkdir("opcje.ini");
    QString error;
    EXPECT_FALSE(ini.writeString("opcje", "baza_1", "brak", &error));
    EXPECT_TRUE(error.startsWith("Unable to write to"));
}

TEST(ProfileFile, AFileThatCannotBeReadIsNeverReplacedByTheNewKeyAlone)
{
    // A file that only its owner may read, written to by another user in a folder open to all: the
    // new file could be renamed over it, but the old one was never read.
    TempDir dir;
    const QByteArray stored = "[opcje]\r\nbaza_1=/home/ala/dane/\r\n";
    const QString path = dir.write("opcje.ini", stored);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    const auto refused = runAsAnotherUser([&] {
        ProfileFile other(path);
        QString error;
        return !other.writeString("opcje", "dni_do_urodzin", "5", &error) && error == "Unable to write to " + path;
    });
    if (!refused)
        GTEST_SKIP() << "the tests do not run as root, so no other user can be taken on";
    EXPECT_TRUE(*refused);
    EXPECT_EQ(dir.read("opcje.ini"), stored);
}

} // namespace

namespace {

TEST_F(ProfileFileTest, SeveralKeysGoInOneWriteOrNotAtAll)
{
    dir.write("opcje.ini", "[opcje]\r\nbaza_1=jest\r\n");
    FailingFileWriter full(0);
    ProfileFile failing(path, full);
    QString error;
    EXPECT_FALSE(failing.writeStrings("opcje", {{"baza_1", "brak"}, {"baza_2", "/dane/"}}, &error));
    EXPECT_EQ(error, "Unable to write to " + path);
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=jest\r\n");

    EXPECT_TRUE(ini.writeStrings("opcje", {{"baza_1", "brak"}, {"baza_2", "/dane/"}}, &error));
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=brak\r\nbaza_2=/dane/\r\n");
}

TEST_F(ProfileFileTest, ReplacingASectionDropsItsOldKeysAndKeepsItsPlace)
{
    dir.write("opcje.ini", "[adres_nadawcy]\r\nlinia1=a\r\nlinia2=b\r\nlinia3=c\r\n[jezyk]\r\nnazwa=Polski\r\n");
    QString error;
    EXPECT_TRUE(ini.replaceSection("adres_nadawcy", {{"linia1", "x"}, {"linia2", "y\r\nz"}}, &error));
    EXPECT_EQ(dir.read("opcje.ini"), "[adres_nadawcy]\r\nlinia1=x\r\nlinia2=y  z\r\n[jezyk]\r\nnazwa=Polski\r\n");

    FailingFileWriter full(0);
    ProfileFile failing(path, full);
    EXPECT_FALSE(failing.replaceSection("adres_nadawcy", {{"linia1", "nowa"}}, &error));
    EXPECT_EQ(ini.readString("adres_nadawcy", "linia2", "???"), "y  z");
}

// Settings files have no end-of-file byte: a Ctrl-Z pasted into a value hides nothing after it,
// and a lone CR is part of its line; both survive the rewrite of another key byte for byte.
TEST_F(ProfileFileTest, CtrlZAndALoneCrAreValueBytesThatAWriteKeeps)
{
    const QByteArray stored = "[adres_nadawcy]\r\n"
                              "linia1=Firma\x1A"
                              "Kowalski\r\n"
                              "linia2=ul. Polna\r5\r\n"
                              "[jezyk]\r\n"
                              "nazwa=English\r\n";
    dir.write("opcje.ini", stored);
    EXPECT_EQ(ini.readString("adres_nadawcy", "linia1", "???"), "Firma\x1A"
                                                                "Kowalski");
    EXPECT_EQ(ini.readString("adres_nadawcy", "linia2", "???"), "ul. Polna\r5");
    EXPECT_EQ(ini.readString("jezyk", "nazwa", "Polski"), "English");

    QString error;
    ASSERT_TRUE(ini.writeString("opcje", "baza_1", "jest", &error));
    EXPECT_EQ(dir.read("opcje.ini"), stored + "[opcje]\r\nbaza_1=jest\r\n");
}

// One pair of quotes around a value is not part of it; a value that would lose its own quotes that
// way is written inside one more pair, so it reads back as it was written.
TEST_F(ProfileFileTest, OnePairOfQuotesAroundAValueIsDroppedAndWritingKeepsQuotedValues)
{
    struct Case {
        const char* stored;
        const char* read;
    };
    const Case cases[] = {
        {"\"Polski\"", "Polski"}, {"'Polski'", "Polski"}, {"  \"a b\"  ", "a b"},     {"\"\"", ""},
        {"\"\"x\"\"", "\"x\""},   {"\"a\"b\"", "a\"b"},   {"\"Polski'", "\"Polski'"}, {"\"", "\""},
        {"\"x\" y", "\"x\" y"},   {"x \"y\"", "x \"y\""},
    };
    for (const Case& c : cases) {
        dir.write("opcje.ini", QByteArray("[jezyk]\r\nnazwa=") + c.stored + "\r\n");
        EXPECT_EQ(ini.readString("jezyk", "nazwa", "none"), c.read) << c.stored;
    }
    dir.write("opcje.ini", "[opcje]\r\ndni_do_urodzin=\"5\"\r\n");
    EXPECT_EQ(ini.readInteger("opcje", "dni_do_urodzin", 7), 5);

    QString error;
    for (const char* value : {"\"Firma\"", "'x'", "\"", "\"\"", "a\"b\"", "\"a'", "zwykla"}) {
        ASSERT_TRUE(ini.writeString("adres_nadawcy", "linia1", value, &error));
        EXPECT_EQ(ini.readString("adres_nadawcy", "linia1", "???"), value) << value;
    }
}

} // namespace
