#include "personfile.h"

#include "support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(EntryKind, IsTheLastLetterOfTheName)
{
    const struct {
        const char* name;
        EntryKind kind;
    } cases[] = {
        {"1-2-3.wps", EntryKind::Person}, {"X.WPS", EntryKind::Person}, {"a.wpj", EntryKind::OneOff},
        {"A.WPJ", EntryKind::OneOff},     {"b.wpb", EntryKind::Binned}, {"b.WpB", EntryKind::Binned},
        {"c.bmp", EntryKind::Other},      {"", EntryKind::Other},       {"ulubione.sps", EntryKind::Person},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kindOfFileName(c.name), c.kind) << c.name;
}

TEST(SplitDate, TakesCharactersByPosition)
{
    const struct {
        const char* value;
        DateParts parts;
    } cases[] = {
        {"05.11.1980", {"05", "11", "1980", ""}},
        {"05.11.????", {"05", "11", "????", ""}},
        {"24.12.2003-Wigilia", {"24", "12", "2003", "Wigilia"}},
        {"01.05.????-Dzień-Pracy", {"01", "05", "????", "Dzień-Pracy"}},
        {"12.03", {"12", "03", "", ""}},
        {"1.3", {"1.", "", "", ""}},
        {"", {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        const DateParts p = splitDate(c.value);
        EXPECT_EQ(p.day, c.parts.day) << c.value;
        EXPECT_EQ(p.month, c.parts.month) << c.value;
        EXPECT_EQ(p.year, c.parts.year) << c.value;
        EXPECT_EQ(p.description, c.parts.description) << c.value;
    }
}

PersonRecord fullRecord()
{
    PersonRecord r;
    r.nazwisko = cp("Kowalska Anna");
    r.ulica = cp("Długa");
    r.nr_domu = "5";
    r.nr_mieszkania = "12";
    r.kod_pocztowy = "00-950";
    r.poczta = "Warszawa";
    r.miejscowosc = "Warszawa";
    r.wojewodztwo = "mazowieckie";
    r.telefony = {"22 123", "600 700 800"};
    r.NIP = "123-456";
    r.regon = "789";
    r.zdjecie = "1-2-3.bmp";
    r.imieniny = "26.07";
    r.urodziny = "05.11.????";
    r.impreza = {"24.12.2003-Wigilia"};
    r.mail = {"anna@example.org"};
    r.notatka = {"pierwsza", "", "trzecia"};
    r.grupa = {"Rodzina", "Praca"};
    return r;
}

#define T(key, value) "<$@$>" key "</$@$>" value

TEST(PersonRecord, WritesTheNewEntryOrder)
{
    const Lines expected = {
        T("nazwisko", "Kowalska Anna"),
        T("ulica", "D\xB3uga"),
        T("nr_domu", "5"),
        T("nr_mieszkania", "12"),
        T("kod_pocztowy", "00-950"),
        T("poczta", "Warszawa"),
        T("miejscowosc", "Warszawa"),
        T("telefony", "pending"),
        T("wojewodztwo", "mazowieckie"),
        T("NIP", "123-456"),
        T("regon", "789"),
        T("zdjecie", "1-2-3.bmp"),
        T("imieniny", "26.07"),
        T("urodziny", "05.11.????"),
        T("telefony", "22 123"),
        T("telefony", "600 700 800"),
        T("impreza", "24.12.2003-Wigilia"),
        T("mail", "anna@example.org"),
        T("notatka", "pierwsza"),
        T("notatka", ""),
        T("notatka", "trzecia"),
        T("grupa", "Rodzina"),
        T("grupa", "Praca"),
    };
    EXPECT_EQ(fullRecord().newEntryLines("pending"), expected);
}

TEST(PersonRecord, WritesTheEditedEntryOrderAndReadsItBackByteForByte)
{
    const QByteArray stored = joinLines({
        T("nazwisko", "Kowalska Anna"),
        T("ulica", "D\xB3uga"),
        T("nr_domu", "5"),
        T("nr_mieszkania", "12"),
        T("kod_pocztowy", "00-950"),
        T("poczta", "Warszawa"),
        T("miejscowosc", "Warszawa"),
        T("telefony", "22 123"),
        T("telefony", "600 700 800"),
        T("wojewodztwo", "mazowieckie"),
        T("grupa", "Rodzina"),
        T("grupa", "Praca"),
        T("NIP", "123-456"),
        T("regon", "789"),
        T("zdjecie", "1-2-3.bmp"),
        T("imieniny", "26.07"),
        T("urodziny", "05.11.????"),
        T("impreza", "24.12.2003-Wigilia"),
        T("mail", "anna@example.org"),
        T("notatka", "pierwsza"),
        T("notatka", ""),
        T("notatka", "trzecia"),
    });
    EXPECT_EQ(joinLines(fullRecord().editedEntryLines()), stored);
    EXPECT_EQ(joinLines(PersonRecord::parse(splitLines(stored)).editedEntryLines()), stored);
}

TEST(PersonRecord, AnEditKeepsTheLinesItDoesNotHandleAfterTheKnownOnesInTheirOrder)
{
    const Lines stored = {
        T("wersja", "2"),
        T("nazwisko", "Kowalska Anna"),
        "a line written by hand",
        "",
        T("nip", "keys are case-sensitive"),
        T("notatka", "pierwsza"),
        T("grupa", "Praca"),
        "\r",
        T("przyszly_klucz", "value with a \xB3"),
    };
    EXPECT_EQ(PersonRecord::parse(stored).editedEntryLines(),
              Lines({T("nazwisko", "Kowalska Anna"), T("grupa", "Praca"), T("notatka", "pierwsza"), T("wersja", "2"),
                     "a line written by hand", T("nip", "keys are case-sensitive"), "\r",
                     T("przyszly_klucz", "value with a \xB3")}));
    EXPECT_EQ(PersonRecord::parse(stored).newEntryLines(""),
              Lines({T("nazwisko", "Kowalska Anna"), T("notatka", "pierwsza"), T("grupa", "Praca")}));
}

TEST(PersonRecord, WritesOnlyWhatIsSet)
{
    PersonRecord r;
    r.notatka = {""};
    EXPECT_EQ(r.newEntryLines(""), Lines({T("notatka", "")}));
    EXPECT_EQ(r.editedEntryLines(), Lines({T("notatka", "")}));
    EXPECT_TRUE(PersonRecord().newEntryLines("").isEmpty());
}

TEST(PersonRecord, ParsesLaterSinglesOverEarlierAndSkipsOtherKeys)
{
    const PersonRecord r = PersonRecord::parse({
        T("ulica", "pierwsza"),
        T("nazwisko", "A"),
        T("ulica", "druga"),
        "no markers",
        T("nieznany", "x"),
        T("telefony", "1"),
        T("telefony", "2"),
        T("nazwisko", "B"),
        T("nip", "lower-case key"),
        T("imieniny", ""),
    });
    EXPECT_EQ(r.ulica, "druga");
    EXPECT_EQ(r.nazwisko, "B");
    EXPECT_EQ(r.telefony, QList<QByteArray>({"1", "2"}));
    EXPECT_TRUE(r.NIP.isEmpty());
    ASSERT_TRUE(r.imieniny.has_value());
    EXPECT_TRUE(r.imieniny->isEmpty());
    EXPECT_FALSE(r.urodziny.has_value());
}

TEST(PhotoFileName, IsTheBaseNameWithBmp)
{
    EXPECT_EQ(photoFileName("12-345-6.wps"), "12-345-6.bmp");
    EXPECT_EQ(photoFileName("AB.WPJ"), "AB.bmp");
    EXPECT_EQ(photoFileName("bez"), "bez.bmp");
}

TEST(PhotoPathFor, FindsThePhotoWhateverTheCaseOfItsExtension)
{
    TempDir dir;
    EXPECT_EQ(photoPathFor(dir.file("AB.WPJ")), dir.file("AB.bmp"));
    dir.write("AB.BMP", "x");
    EXPECT_EQ(photoPathFor(dir.file("AB.WPJ")), dir.file("AB.BMP"));
    dir.write("AB.bmp", "x");
    EXPECT_EQ(photoPathFor(dir.file("AB.WPJ")), dir.file("AB.bmp"));
}

TEST(SiblingPath, ComparesNamesLetterForLetterNeverAsAPattern)
{
    TempDir dir;
    for (const char* name : {"xyz.wpb", "xyz.bmp", "ab.bmp", "ab.wps", "x.y.bmp"})
        dir.write(name, "other person");
    struct Case {
        const char* entry;
        const char* extension;
        const char* sibling;
    };
    const Case cases[] = {
        {"x*.wps", ".wpb", "x*.wpb"},     {"x*.wps", ".bmp", "x*.bmp"}, {"a?.wpj", ".bmp", "a?.bmp"},
        {"[a]b.wpj", ".bmp", "[a]b.bmp"}, {"*.wpj", ".wps", "*.wps"},   {"AB.WPJ", ".wps", "ab.wps"},
        {"x.y.wpj", ".bmp", "x.y.bmp"},   {"x.wpj", ".bmp", "x.bmp"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(siblingPath(dir.file(c.entry), c.extension), dir.file(c.sibling)) << c.entry << c.extension;
}

TEST(PhotoMayBeDeleted, OnlyWhenNoEntryFileOfTheBaseIsLeft)
{
    struct Case {
        QStringList files;
        const char* base;
        bool mayDelete;
    };
    const Case cases[] = {
        {{"1.bmp"}, "1", true},
        {{"1.bmp", "1.wps"}, "1", false},
        {{"1.bmp", "1.WPJ"}, "1", false},
        {{"1.bmp", "1.Wpb"}, "1", false},
        {{"A.bmp", "a.wps"}, "A", false},
        // Other files of the base are no entries; other bases and patterns are other persons.
        {{"1.bmp", "1.txt", "1.wps.bak", "11.wps", "1-1.wpj"}, "1", true},
        {{"a?.bmp", "ab.wps", "a.wpj"}, "a?", true},
        {{"x*.bmp", "xyz.wpb"}, "x*", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const QString& name : c.files)
            dir.write(name, "");
        EXPECT_EQ(photoMayBeDeleted(dir.path(), c.base), c.mayDelete) << c.files.join(' ').toStdString();
    }
}

TEST(ClaimNewEntryFile, DrawsAgainWhileAnyFileOfTheBaseExists)
{
    TempDir dir;
    dir.write("1-2-3.WPS", "");
    dir.write("4-5-6.bmp", "");
    dir.write("7-8-9.wpb", "");
    SequenceRandom random{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 9999};
    QString error;
    const auto name =
        claimNewEntryFile(dir.path(), "jednorazowka", random, FileWriter::standard(), FileRemover::standard(), &error);
    EXPECT_EQ(name, QString("10-0-9999.wpj"));
    EXPECT_TRUE(dir.exists("10-0-9999.wpj"));
    EXPECT_EQ(dir.read("10-0-9999.wpj"), "");
}

// Another running program claims the same base for the other kind between our look and our claim.
TEST(ClaimNewEntryFile, ABaseClaimedMeanwhileByAnotherProgramIsLeftToIt)
{
    class AnotherProgramFirst : public FileWriter {
    public:
        bool createExclusive(const QString& path, QString* error) const override
        {
            if (!m_done) {
                m_done = true;
                QFile(QString(path).replace(QLatin1String(".wps"), QLatin1String(".wpj"))).open(QIODevice::NewOnly);
            }
            return FileWriter::createExclusive(path, error);
        }

    private:
        mutable bool m_done = false;
    };
    TempDir dir;
    SequenceRandom random{1, 2, 3, 4, 5, 6};
    QString error;
    RecordingRemover remover;
    const auto name = claimNewEntryFile(dir.path(), "osoba", random, AnotherProgramFirst(), remover, &error);
    EXPECT_EQ(name, QString("4-5-6.wps"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"1-2-3.wpj", "4-5-6.wps"}));
    EXPECT_EQ(remover.asked, QStringList({dir.file("1-2-3.wps")}));
}

TEST(ClaimNewEntryFile, UnknownEntryTypeIsAPerson)
{
    TempDir dir;
    SequenceRandom random{1, 2, 3};
    QString error;
    EXPECT_EQ(claimNewEntryFile(dir.path(), "kot", random, FileWriter::standard(), FileRemover::standard(), &error),
              QString("1-2-3.wps"));
    EXPECT_EQ(claimNewEntryFile(dir.path(), "osoba", random, FileWriter::standard(), FileRemover::standard(), &error),
              std::nullopt)
        << "a source that only repeats a taken name gives up instead of looping";
}

TEST(ClaimNewEntryFile, MissingFolderIsAnError)
{
    TempDir dir;
    SequenceRandom random{1, 2, 3};
    QString error;
    EXPECT_FALSE(claimNewEntryFile(dir.file("nie_ma/"), "osoba", random, FileWriter::standard(),
                                   FileRemover::standard(), &error));
    EXPECT_TRUE(error.contains("nie_ma"));
}

} // namespace
