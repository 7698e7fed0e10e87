#include "shownperson.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowPerson, ShowsEveryKeyOfTheFile)
{
    TempDir dir;
    dir.write("baza/1-2-3.bmp", "BM");
    const QString path = dir.write("baza/1-2-3.wps", crlf({
                                                         "<$@$>nazwisko</$@$>Kowalska Anna",
                                                         "<$@$>ulica</$@$>Długa",
                                                         "<$@$>nr_domu</$@$>5",
                                                         "<$@$>ulica</$@$>Krótka",
                                                         "<$@$>telefony</$@$>22 123",
                                                         "<$@$>telefony</$@$>600 700 800",
                                                         "<$@$>wojewodztwo</$@$>mazowieckie",
                                                         "<$@$>NIP</$@$>123-456",
                                                         "<$@$>regon</$@$>",
                                                         "<$@$>zdjecie</$@$>1-2-3.bmp",
                                                         "<$@$>imieniny</$@$>31.02",
                                                         "<$@$>urodziny</$@$>05.11.????",
                                                         "<$@$>impreza</$@$>24.12.2003-Wigilia",
                                                         "<$@$>mail</$@$>anna@example.org",
                                                         "<$@$>notatka</$@$>pierwsza",
                                                         "<$@$>notatka</$@$>",
                                                         "<$@$>grupa</$@$>Rodzina",
                                                         "<$@$>nieznany</$@$>skipped",
                                                     }));
    const ShowResult result = ShowPerson(path);
    ASSERT_EQ(result.status, ShowResult::Status::Shown);
    const ShownPerson& p = result.person;
    EXPECT_EQ(p.path, path);
    EXPECT_EQ(p.record.nazwisko, "Kowalska Anna");
    EXPECT_EQ(p.record.ulica, cp("Krótka")); // the later line wins
    EXPECT_EQ(p.record.nr_domu, "5");
    EXPECT_EQ(p.record.wojewodztwo, "mazowieckie");
    EXPECT_EQ(p.record.telefony, QList<QByteArray>({"22 123", "600 700 800"}));
    EXPECT_EQ(p.record.impreza, QList<QByteArray>({"24.12.2003-Wigilia"}));
    EXPECT_EQ(p.record.mail, QList<QByteArray>({"anna@example.org"}));
    EXPECT_EQ(p.record.notatka, QList<QByteArray>({"pierwsza", ""}));
    EXPECT_EQ(p.nameDay, (DaySelection{30, 1})); // no calendar check
    EXPECT_EQ(p.birthday, (DaySelection{4, 10}));
    EXPECT_EQ(p.birthdayYear, "????");
    EXPECT_EQ(p.record.NIP, "123-456");
    EXPECT_EQ(p.record.regon, "");
    EXPECT_TRUE(p.showMail);
    EXPECT_TRUE(p.showNip);
    EXPECT_FALSE(p.showRegon); // an empty REGON keeps its button hidden
    EXPECT_TRUE(p.showEdit);
    EXPECT_FALSE(p.showRestore);
    EXPECT_EQ(p.photoPath, dir.file("baza/1-2-3.bmp"));
}

TEST(ShowPerson, AFileWithoutANameLineHasNoShownName)
{
    // The edit command hands the shown name to the editor, which writes it into this file: it must
    // never be the previously shown person's.
    TempDir dir;
    const QString named = dir.write("a.wps", crlf({"<$@$>nazwisko</$@$>Nowak Jan", "<$@$>mail</$@$>jan@example.org"}));
    const QString nameless = dir.write("b.wps", crlf({"<$@$>ulica</$@$>Polna"}));
    EXPECT_EQ(ShowPerson(named).person.record.nazwisko, "Nowak Jan");
    const ShowResult result = ShowPerson(nameless);
    EXPECT_EQ(result.status, ShowResult::Status::Shown);
    EXPECT_EQ(result.person.record.nazwisko, "");
    EXPECT_FALSE(result.person.showMail);
    EXPECT_EQ(result.person.nameDay, DaySelection());
    EXPECT_EQ(result.person.photoPath, QString());
}

TEST(ShowPerson, AFileThatCannotBeReadChangesNothing)
{
    TempDir dir;
    const QString path = dir.write("a.wps", crlf({"<$@$>nazwisko</$@$>Nowak Jan"}));
    const FailingTextReader reader({path});
    const ShowResult unreadable = ShowPerson(path, reader);
    EXPECT_EQ(unreadable.status, ShowResult::Status::Unreadable);
    EXPECT_NE(unreadable.errorCode, 0);
    // Nothing of the file was taken: the window keeps the person it shows.
    EXPECT_EQ(unreadable.person.path, QString());
    EXPECT_EQ(unreadable.person.record.nazwisko, "");

    EXPECT_EQ(ShowPerson(dir.file("none.wps")).status, ShowResult::Status::Missing);
    EXPECT_EQ(ShowPerson(dir.mkdir("folder.wps")).status, ShowResult::Status::Missing);
}

TEST(ShowPerson, ButtonsFollowTheKindOfEntry)
{
    TempDir dir;
    const struct {
        const char* name;
        bool restore;
        bool edit;
    } cases[] = {{"a.wps", false, true}, {"b.wpb", true, false}, {"c.WPB", true, false}, {"d.wpj", false, true}};
    for (const auto& c : cases) {
        const ShownPerson p = ShowPerson(dir.write(c.name, crlf({"<$@$>nazwisko</$@$>X"}))).person;
        EXPECT_EQ(p.showRestore, c.restore) << c.name;
        EXPECT_EQ(p.showEdit, c.edit) << c.name;
    }
}

TEST(ShowPerson, FindsThePhotoWhateverTheCaseOfItsName)
{
    TempDir dir;
    dir.write("d/a.BMP", "BM");
    dir.write("d/b.Bmp", "BM");
    const struct {
        const char* zdjecie;
        const char* found; // relative to the folder; empty: the built-in picture
    } cases[] = {
        {"a.bmp", "a.BMP"}, {"a.BMP", "a.BMP"}, {"b.bmp", "b.Bmp"}, {"c.bmp", ""},
        {"A.bmp", "a.BMP"}, {"*.bmp", ""},      {"", ""},
    };
    for (const auto& c : cases) {
        const QString path = dir.write(
            "d/p.wps", crlf({"<$@$>nazwisko</$@$>X", ("<$@$>zdjecie</$@$>" + QByteArray(c.zdjecie)).constData()}));
        const QString expected = *c.found ? dir.file(QStringLiteral("d/") + c.found) : QString();
        EXPECT_EQ(ShowPerson(path).person.photoPath, expected) << c.zdjecie;
    }
}

TEST(DateSelections, ConvertDayAndMonthToListItems)
{
    const struct {
        const char* value;
        std::optional<DaySelection> nameDay;
        std::optional<DaySelection> date;
    } cases[] = {
        {"12.03", DaySelection{11, 2}, DaySelection{11, 2}},
        {"05.11.????", std::nullopt, DaySelection{4, 10}},
        {"31.02", DaySelection{30, 1}, DaySelection{30, 1}},
        {"xx.03", std::nullopt, std::nullopt},
        {"12.ab", std::nullopt, std::nullopt},
        // Days and months are decimal: no blank, no hexadecimal.
        {" 1.03", std::nullopt, std::nullopt},
        {"$1.03", std::nullopt, std::nullopt},
        {"12.$C", std::nullopt, std::nullopt},
        {"-1.03", DaySelection{-1, 2}, DaySelection{-1, 2}},
        // A number outside a list selects nothing in that list only.
        {"00.13", DaySelection{-1, -1}, DaySelection{-1, -1}},
        {"32.12", DaySelection{-1, 11}, DaySelection{-1, 11}},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nameDaySelection(c.value), c.nameDay) << c.value;
        EXPECT_EQ(dateSelection(c.value), c.date) << c.value;
    }
}

TEST(DateSelections, ABirthdayThatDoesNotConvertKeepsItsYear)
{
    TempDir dir;
    const ShownPerson p = ShowPerson(dir.write("a.wps", crlf({"<$@$>urodziny</$@$>ab.11.1980"}))).person;
    EXPECT_EQ(p.birthday, DaySelection());
    EXPECT_EQ(p.birthdayYear, "1980");
}

TEST(OccasionFields, SplitTheStoredValue)
{
    const OccasionFields wigilia = occasionFields(cp("24.12.2003-Wigilia-kolacja"));
    EXPECT_EQ(wigilia.date, (DaySelection{23, 11}));
    EXPECT_EQ(wigilia.year, "2003");
    EXPECT_EQ(wigilia.description, "Wigilia-kolacja");

    const OccasionFields broken = occasionFields("xx.12.????-Bez daty");
    EXPECT_EQ(broken.date, std::nullopt);
    EXPECT_EQ(broken.year, "????");
    EXPECT_EQ(broken.description, "Bez daty");
}

} // namespace
