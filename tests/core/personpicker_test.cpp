#include "personpicker.h"

#include "settings.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(PickerItem, TenDigitIndexesSortInIndexOrder)
{
    EXPECT_EQ(pickerItem(7), "0000000007");
    EXPECT_EQ(pickerItem(10), "0000000010");
    EXPECT_LT(pickerItem(2), pickerItem(10));
}

class PickerScanTest : public ::testing::Test {
protected:
    QString write(const QString& name, std::initializer_list<const char*> lines)
    {
        return dir.write(name, crlf(lines));
    }
    static QList<QByteArray> names(const QList<PersonListEntry>& entries)
    {
        QList<QByteArray> list;
        for (const PersonListEntry& e : entries)
            list << e.Name + (e.Mail.isEmpty() ? QByteArray() : " <" + e.Mail + ">");
        return list;
    }
    TempDir dir;
};

TEST_F(PickerScanTest, PrintTakesPersonsWhoseFirstLineNamesThem)
{
    write("a/1.wps", {"<$@$>nazwisko</$@$>Ala", "<$@$>mail</$@$>a@x.pl"});
    write("a/2.wps", {"<$@$>ulica</$@$>Polna", "<$@$>nazwisko</$@$>Ukryta"});
    write("a/3.wps", {"<$@$>nazwisko</$@$>"});
    write("a/4.wpj", {"<$@$>nazwisko</$@$>Przypomnienie"});
    write("a/5.wpb", {"<$@$>nazwisko</$@$>Kosz"});
    write("b/6.wps", {"<$@$>nazwisko</$@$>Bartek"});
    write("b/7.wps", {"<$@$>nazwisko</$@$>Zła"});
    const FailingTextReader reader({dir.file("b/7.wps")});
    const QList<PersonListEntry> entries = scanPrintEntries({dir.file("a/"), dir.file("b/")}, reader);
    EXPECT_EQ(names(entries), (QList<QByteArray>{"Ala", "Bartek"}));
    EXPECT_EQ(entries[0].Path, dir.file("a/1.wps"));
}

TEST_F(PickerScanTest, MailTakesTheFirstAddressOfNamedPersons)
{
    write("1.wps", {"<$@$>nazwisko</$@$>Ala", "<$@$>mail</$@$>a@x.pl", "<$@$>mail</$@$>druga@x.pl"});
    write("2.wps", {"<$@$>mail</$@$>bez@imienia.pl", "<$@$>nazwisko</$@$>Spóźniona"});
    write("3.wps", {"<$@$>nazwisko</$@$>Bez Maila", "<$@$>telefony</$@$>mail 123"});
    write("4.wps", {"<$@$>nazwisko</$@$>Stara", "<$@$>nazwisko</$@$>Nowa", "<$@$>mail</$@$>n@x.pl"});
    write("5.wps", {"<$@$>nazwisko</$@$>Pusty", "<$@$>mail</$@$>"});
    const QList<PersonListEntry> entries = scanMailEntries({dir.path()}, TextReader::standard());
    EXPECT_EQ(names(entries), (QList<QByteArray>{"Ala <a@x.pl>", "Nowa <n@x.pl>"}));
}

TEST(InAnyGroup, ExactCaseSensitiveGroupValues)
{
    EXPECT_TRUE(inAnyGroup(splitLines(crlf({"<$@$>grupa</$@$>Rodzina", "<$@$>grupa</$@$>Praca"})), {"Praca"}));
    const Lines person =
        splitLines(crlf({"<$@$>nazwisko</$@$>Ala", "<$@$>grupa</$@$>Rodzina", "<$@$>notatka</$@$>grupa Szkoła"}));
    EXPECT_TRUE(inAnyGroup(person, {"Praca", "Rodzina"}));
    EXPECT_FALSE(inAnyGroup(person, {"rodzina"}));
    EXPECT_FALSE(inAnyGroup(person, {"Szkoła"}));
    EXPECT_FALSE(inAnyGroup(person, {}));
}

TEST(ListFolder, DefaultBaseFirstElseTheSecond)
{
    DatabaseSettings s;
    EXPECT_EQ(listFolder(s, "/p/"), "/p/baza/");
    s.UseDefaultBase = false;
    s.UseSecondBase = true;
    s.SecondBasePath = "/dane/";
    EXPECT_EQ(listFolder(s, "/p/"), "/dane/");
    // Neither base in use: not the working folder of the moment.
    s.UseSecondBase = false;
    s.SecondBasePath.clear();
    EXPECT_EQ(listFolder(s, "/p/"), "/p/baza/");
}

TEST(FirstFreeListName, CountsFromOneToTheFirstMissingFile)
{
    TempDir dir;
    EXPECT_EQ(firstFreeListName(dir.path()), "lista1.lst");
    dir.write("lista1.lst", "");
    dir.write("lista3.lst", "");
    EXPECT_EQ(firstFreeListName(dir.path()), "lista2.lst");
}

TEST(ListFileContent, OnePathPerLineOrRefusedWhenAPathCannotBeStored)
{
    QString refused;
    EXPECT_EQ(listFileContent({"/b/1.wps", QString::fromUtf8("/b/łódź.wps")}, &refused),
              "/b/1.wps\r\n" + cp("/b/łódź.wps") + "\r\n");
    EXPECT_FALSE(listFileContent({"/b/1.wps", QString::fromUtf8("/b/дом.wps")}, &refused));
    EXPECT_EQ(refused, QString::fromUtf8("/b/дом.wps"));
    EXPECT_FALSE(listFileContent({"/b/a\nb.wps"}, &refused));
}

TEST(ChooseFromList, EachLineTakesTheFirstUnchosenPathContainingIt)
{
    const QList<PersonListEntry> entries{
        {"/b/20031205_101530.wps", "Ala", {}},
        {"/c/20031205_101530.wps", "Bartek", {}},
        {"/b/1-2-3.wps", "Celina", {}},
        {"/b/9-9-9.wps", "Dorota", {}},
    };
    const struct {
        const char* what;
        Lines lines;
        QList<int> chosen;
    } cases[] = {
        {"full paths, file order", {"/b/9-9-9.wps", "/b/1-2-3.wps"}, {3, 2}},
        {"a file name twice", {"20031205_101530.wps", "20031205_101530.wps", "20031205_101530.wps"}, {0, 1}},
        {"empty and unknown lines", {"", "/x/1.wps", "1-2-3"}, {2}},
        {"case matters", {"/B/1-2-3.WPS"}, {}},
        // Lists saved on the old system name a data folder: "baza" is the default one (/b/ here),
        // another the second one (/c/).
        {"old system's paths", {"C:\\zubo\\baza\\9-9-9.wps", "D:\\dane\\20031205_101530.wps"}, {3, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseFromList(c.lines, entries, {"/b/", "/c/"}), c.chosen) << c.what;
}

} // namespace
