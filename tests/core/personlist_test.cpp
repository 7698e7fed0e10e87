#include "personlist.h"

#include "codec1250.h"
#include "settings.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

// Names as the test reads them; paths relative to the fixture folder.
QList<std::pair<QString, QString>> shown(const QList<PersonListEntry>& list, const TempDir& dir)
{
    QList<std::pair<QString, QString>> out;
    for (const PersonListEntry& e : list)
        out.append({e.Path.mid(dir.path().size()), cp1250::toUnicode(e.Name)});
    return out;
}

QList<QString> names(const QList<PersonListEntry>& list)
{
    QList<QString> out;
    for (const PersonListEntry& e : list)
        out.append(cp1250::toUnicode(e.Name));
    return out;
}

// The order is Polish also in a session without a language setting (LANG=C), where a collator of
// the session's locale puts Ł, Ś and Ż after Z and tells upper from lower case.
TEST(SortByName, FollowsPolishCollationInAnyLocaleAndKeepsEqualNamesInScanOrder)
{
    const CLocaleSession cLocale;
    const struct {
        QList<const char*> scanned;
        QList<int> order; // scan positions in sorted order
    } cases[] = {
        {{"B", "C", "A"}, {2, 0, 1}},
        {{"B", "A"}, {1, 0}},
        {{"Maria", "Łukasz", "Lucyna"}, {2, 1, 0}},
        {{"Żaneta", "Zenon", "Ćma", "Czesław"}, {3, 2, 1, 0}},
        {{"Żak", "Źrebiec", "Ślusarz", "Sowa", "Łoś", "Zych", "Lis"}, {6, 4, 3, 2, 5, 1, 0}},
        {{"ściana", "Sroka", "Świerk"}, {1, 0, 2}},
        // Upper and lower case compare equal, so such names keep the order in which they were found.
        {{"nowak", "Nowak", "NOWAK"}, {0, 1, 2}},
        {{"NOWAK", "nowak", "Adam"}, {2, 0, 1}},
        {{"nowak", "kowalski", "Nowak", "Kowalska", "adam"}, {4, 3, 1, 0, 2}},
    };
    for (const auto& c : cases) {
        QList<PersonListEntry> entries;
        for (qsizetype i = 0; i < c.scanned.size(); ++i)
            entries.append({QString::number(i), cp(c.scanned[i]), QByteArray()});
        PersonListing::sortByName(entries);
        QList<int> order;
        for (const PersonListEntry& e : entries)
            order.append(e.Path.toInt());
        EXPECT_EQ(order, c.order) << c.scanned.first();
    }
}

// Two data folders; listing order within a folder is by file name.
class PersonListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir.write("baza/a.wps", crlf({"<$@$>nazwisko</$@$>Maria", "<$@$>grupa</$@$>Rodzina", "<$@$>grupa</$@$>Praca"}));
        dir.write("baza/b.wps", crlf({"<$@$>nazwisko</$@$>Łukasz", "<$@$>grupa</$@$>Praca"}));
        dir.write("baza/c.wps", crlf({"<$@$>ulica</$@$>Polna", "<$@$>nazwisko</$@$>Bez", "<$@$>grupa</$@$>Sąsiedzi"}));
        dir.write("baza/d.wps", crlf({"", "<$@$>nazwisko</$@$>Ukryty", "<$@$>grupa</$@$>Ukryta"}));
        dir.write("baza/e.WPS", crlf({"<$@$>nazwisko</$@$>lucyna"}));
        dir.write("baza/f.wpj", crlf({"<$@$>nazwisko</$@$>Przegląd auta", "<$@$>grupa</$@$>Tylko-jednorazowe"}));
        dir.write("baza/g.wpb", crlf({"<$@$>nazwisko</$@$>Usunięty", "<$@$>grupa</$@$>Rodzina"}));
        dir.write("baza/h.wps", crlf({"<$@$>nazwisko</$@$>anna", "<$@$>grupa</$@$>Wszystko",
                                      "<$@$>grupa</$@$>Wykasowane", "<$@$>grupa</$@$>Rodzina"}));
        dir.write("baza/ulubione.sps", crlf({"not a person"}));
        dir.write("baza/x.bmp", "BM");
        dir.write("druga/a.wps", crlf({"<$@$>nazwisko</$@$>Anna"}));
        dir.write("druga/y.wps", crlf({"<$@$>nazwisko</$@$>Łucja", "<$@$>grupa</$@$>&Dom"}));
        dir.write("druga/z.wps", crlf({"<$@$>nazwisko</$@$>Zenon", "<$@$>grupa</$@$>Dom"}));
    }

    PersonListing listing(const TextReader& reader = TextReader::standard()) const
    {
        return PersonListing({dir.file("baza/"), dir.file("druga/")}, reader);
    }

    QList<PersonListEntry> firstListing(GroupFilterMenu& menu, const TextReader& reader = TextReader::standard())
    {
        return listing(reader).RefreshPersonList(menu, true, initialMessages());
    }

    TempDir dir;
};

TEST_F(PersonListTest, FirstListingListsThePersonsOfBothFoldersAndFindsTheGroups)
{
    GroupFilterMenu menu;
    menu.setChecked(GroupFilterMenu::Bin, true);
    menu.setChecked(GroupFilterMenu::All, false);
    menu.addGroup("Stara", "Wszystko");

    const auto list = firstListing(menu);
    EXPECT_EQ(shown(list, dir), (QList<std::pair<QString, QString>>{
                                    {"baza/c.wps", "???"},
                                    {"baza/h.wps", "anna"},
                                    {"druga/a.wps", "Anna"},
                                    {"baza/e.WPS", "lucyna"},
                                    {"druga/y.wps", QString::fromUtf8("Łucja")},
                                    {"baza/b.wps", QString::fromUtf8("Łukasz")},
                                    {"baza/a.wps", "Maria"},
                                    {"druga/z.wps", "Zenon"},
                                }));
    // The menu starts again from its fixed items with only "Wszystko" checked; groups come in the
    // order first met, once, without the pseudo-groups' names, also from a file that is not listed.
    // The groups of one-off reminders and binned persons are not read: the rebuilt menu lists persons.
    EXPECT_EQ(menu.items().mid(0, 4),
              (QList<GroupFilterMenu::Item>{
                  {"Jednorazowe przypomnienie", false}, {"Wykasowane", false}, {"-", false}, {"Wszystko", true}}));
    EXPECT_EQ(menu.groups(), QList<QByteArray>({"Rodzina", "Praca", cp("Sąsiedzi"), "Ukryta", "&Dom"}));
}

TEST_F(PersonListTest, AGroupNamedAsTheCurrentAllTextIsNoGroup)
{
    dir.write("baza/i.wps", crlf({"<$@$>nazwisko</$@$>Iza", "<$@$>grupa</$@$>Everything"}));
    MessageTable english = initialMessages();
    english[kMsgAll] = "Everything";
    GroupFilterMenu menu(english);
    listing().RefreshPersonList(menu, true, english);
    EXPECT_EQ(menu.items()[GroupFilterMenu::All].caption, "Everything");
    EXPECT_FALSE(menu.groups().contains("Everything"));
    EXPECT_FALSE(menu.groups().contains("Wszystko"));
}

TEST_F(PersonListTest, TheKindItemsAddOneOffRemindersAndTheBin)
{
    GroupFilterMenu menu;
    firstListing(menu);

    menu.setChecked(GroupFilterMenu::Bin, true);
    auto list = listing().filtered(menu);
    EXPECT_EQ(list.size(), 9);
    EXPECT_EQ(names(list).mid(7), QList<QString>({QString::fromUtf8("Usunięty"), "Zenon"}));

    // Without "Wszystko" the groups decide; the checked kinds are listed whatever their groups.
    menu.setChecked(GroupFilterMenu::Bin, false);
    menu.setChecked(GroupFilterMenu::All, false);
    menu.setChecked(GroupFilterMenu::OneOffs, true);
    EXPECT_EQ(shown(listing().filtered(menu), dir),
              (QList<std::pair<QString, QString>>{{"baza/f.wpj", QString::fromUtf8("Przegląd auta")}}));

    // Not a group: nothing is listed.
    menu.setChecked(GroupFilterMenu::OneOffs, false);
    EXPECT_TRUE(listing().filtered(menu).isEmpty());
}

TEST_F(PersonListTest, ListingByGroupTakesEachPersonOnceAndItsNameFromLineOne)
{
    GroupFilterMenu menu;
    firstListing(menu);
    menu.setChecked(GroupFilterMenu::All, false);
    const auto& items = menu.items();
    for (int i = GroupFilterMenu::FirstGroup; i < items.size(); ++i) {
        if (items[i].caption != "&Dom")
            menu.setChecked(i, true);
    }
    // a.wps is in two checked groups; c.wps has "ulica" on line 1, which gives the name "0"; d.wps
    // has an empty line 1.
    EXPECT_EQ(shown(listing().ListPersonsByGroup(menu), dir), (QList<std::pair<QString, QString>>{
                                                                  {"baza/c.wps", "0"},
                                                                  {"baza/h.wps", "anna"},
                                                                  {"baza/b.wps", QString::fromUtf8("Łukasz")},
                                                                  {"baza/a.wps", "Maria"},
                                                              }));

    // A caption matches a group written with or without the leading "&".
    GroupFilterMenu dom;
    firstListing(dom);
    dom.setChecked(GroupFilterMenu::All, false);
    dom.setChecked(dom.groups().indexOf("&Dom") + GroupFilterMenu::FirstGroup, true);
    EXPECT_EQ(names(listing().ListPersonsByGroup(dom)), QList<QString>({QString::fromUtf8("Łucja"), "Zenon"}));
}

TEST_F(PersonListTest, GroupsAreReadFromTheLinesAfterTheFirst)
{
    dir.write("baza/k.wps", crlf({"<$@$>grupa</$@$>Pierwsza", "<$@$>grupa</$@$>Druga"}));
    GroupFilterMenu menu;
    firstListing(menu);
    EXPECT_FALSE(menu.groups().contains("Pierwsza"));
    EXPECT_TRUE(menu.groups().contains("Druga"));

    const auto listedBy = [&](const QByteArray& group) {
        GroupFilterMenu only;
        only.setChecked(GroupFilterMenu::All, false);
        only.addGroup(group, "Wszystko");
        only.setChecked(int(only.items().size()) - 1, true);
        return shown(listing().ListPersonsByGroup(only), dir);
    };
    EXPECT_TRUE(listedBy("Pierwsza").isEmpty());
    EXPECT_EQ(listedBy("Druga"), (QList<std::pair<QString, QString>>{{"baza/k.wps", "0"}}));
}

TEST_F(PersonListTest, FilesThatCannotBeReadAreSkipped)
{
    const FailingTextReader reader({dir.file("baza/a.wps"), dir.file("baza/e.WPS")});
    GroupFilterMenu menu;
    const auto list = firstListing(menu, reader);
    EXPECT_FALSE(names(list).contains("Maria"));
    EXPECT_FALSE(names(list).contains("lucyna"));
    EXPECT_EQ(list.size(), 6);
    // Without the unread file, "Praca" is first met in b.wps.
    EXPECT_EQ(menu.groups().mid(0, 2), QList<QByteArray>({"Praca", cp("Sąsiedzi")}));

    const PersonListing later = listing(reader);
    EXPECT_EQ(later.RefreshPersonList(menu, false, initialMessages()).size(), 6);
}

// A folder of many files is read ahead in batches on other threads, yet taken in the order of
// its names: the listing's order among equal names, the groups in the order first met, and the files
// without bytes told to the sweep, the reminders that the first listing does not read among them.
TEST(PersonListing, AFolderOfManyFilesIsTakenInTheOrderOfItsNames)
{
    TempDir dir;
    QStringList expectedPaths;
    std::vector<QByteArray> expectedWithoutBytes;
    for (int i = 0; i < 1500; ++i) {
        const QString base = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        if (i % 100 == 50) {
            dir.write("baza/" + base + ".wpj",
                      crlf({"<$@$>nazwisko</$@$>Nowak", "<$@$>grupa</$@$>J" + base.toLatin1()}));
            expectedWithoutBytes.push_back(base.toLatin1() + ".wpj");
        }
        const bool unlisted = i == 1234 || i == 300;
        dir.write("baza/" + base + ".wps",
                  i == 300 ? QByteArray()
                           : crlf({"<$@$>nazwisko</$@$>Nowak", "<$@$>grupa</$@$>G" + QByteArray::number(i / 200)}));
        if (unlisted)
            expectedWithoutBytes.push_back(base.toLatin1() + ".wps");
        else
            expectedPaths.append(dir.file("baza/" + base + ".wps"));
    }
    const FailingTextReader reader({dir.file("baza/1234.wps")});
    GroupFilterMenu menu;
    std::vector<QByteArray> withoutBytes;
    const QList<PersonListEntry> list =
        PersonListing({dir.file("baza/")}, reader)
            .RefreshPersonList(menu, true, initialMessages(),
                               [&](const QString&, const FolderListing&, const std::vector<QByteArray>& unread) {
                                   withoutBytes = unread;
                               });
    QStringList paths;
    for (const PersonListEntry& entry : list)
        paths.append(entry.Path);
    EXPECT_EQ(paths, expectedPaths);
    EXPECT_EQ(menu.groups(), QList<QByteArray>({"G0", "G1", "G2", "G3", "G4", "G5", "G6", "G7"}));
    EXPECT_EQ(withoutBytes, expectedWithoutBytes);
}

TEST_F(PersonListTest, OnlyTheFoldersInUseAreListed)
{
    DatabaseSettings settings;
    settings.UseSecondBase = true;
    settings.SecondBasePath = dir.file("druga/");
    EXPECT_EQ(dataFolders(settings, dir.path()), QStringList({dir.file("baza/"), dir.file("druga/")}));
    settings.UseDefaultBase = false;
    EXPECT_EQ(dataFolders(settings, dir.path()), QStringList({dir.file("druga/")}));
    settings.UseSecondBase = false;
    EXPECT_TRUE(dataFolders(settings, dir.path()).isEmpty());

    GroupFilterMenu menu;
    EXPECT_TRUE(PersonListing({}).RefreshPersonList(menu, true, initialMessages()).isEmpty());
    EXPECT_TRUE(PersonListing({dir.file("missing/")}).RefreshPersonList(menu, true, initialMessages()).isEmpty());
}

TEST(GroupFilterMenu, TakesItsCaptionsFromTheMessagesAndKeepsItsMarks)
{
    GroupFilterMenu menu;
    menu.addGroup("Praca", "Wszystko");
    menu.setChecked(GroupFilterMenu::Bin, true);
    menu.setChecked(GroupFilterMenu::Separator, true);
    MessageTable english = initialMessages();
    english[kMsgAll] = "All";
    english[kMsgOneOffs] = "One-off";
    english[kMsgBin] = "Bin";
    menu.setCaptions(english);
    EXPECT_EQ(menu.items(), (QList<GroupFilterMenu::Item>{
                                {"One-off", false}, {"Bin", true}, {"-", false}, {"All", true}, {"Praca", false}}));
}

TEST(GroupFilterMenu, TakesAGroupOnceWithOrWithoutItsAmpersand)
{
    const struct {
        QList<const char*> met;
        QList<QByteArray> groups;
    } cases[] = {
        {{"Dom", "Dom", "Praca", "Dom"}, {"Dom", "Praca"}},
        {{"&Dom", "Dom"}, {"&Dom"}},
        // "&&Dom" is not "&" and "Dom", so only the first leading "&" counts.
        {{"Dom", "&Dom", "&&Dom"}, {"Dom", "&Dom", "&&Dom"}},
        {{"Wszystko", "Wykasowane", "&Wykasowane", "-", "Jednorazowe przypomnienie"}, {"&Wykasowane"}},
    };
    for (const auto& c : cases) {
        GroupFilterMenu menu;
        for (const char* group : c.met)
            menu.addGroup(group, "Wszystko");
        EXPECT_EQ(menu.groups(), c.groups) << c.met.first();
    }

    // After a language switch the fixed items stand for their new captions only.
    GroupFilterMenu menu;
    MessageTable english = initialMessages();
    english[kMsgBin] = "Bin";
    menu.setCaptions(english);
    for (const char* group : {"Bin", "Wykasowane"})
        menu.addGroup(group, "Wszystko");
    EXPECT_EQ(menu.groups(), QList<QByteArray>({"Wykasowane"}));
}

TEST(GroupFilterMenu, TellsTheNamesOfCheckedItemsAsOneAndForMany)
{
    GroupFilterMenu menu;
    for (const char* group : {"&Dom", "Praca", "Rodzina"})
        menu.addGroup(group, "Wszystko");
    menu.setChecked(GroupFilterMenu::FirstGroup, true);
    menu.setChecked(GroupFilterMenu::FirstGroup + 2, true);
    const QSet<QByteArray> checked = menu.checkedNames();
    for (const char* name : {"Dom", "&Dom", "&&Dom", "Praca", "Rodzina", "&Rodzina", "Wszystko", "Wykasowane", "-"})
        EXPECT_EQ(checked.contains(name), menu.isChecked(name)) << name;
    EXPECT_EQ(checked, QSet<QByteArray>({"&Dom", "Dom", "Rodzina", "Wszystko"}));
}

TEST(ChooserNavigation, StopsAtBothEnds)
{
    const struct {
        int selected;
        int count;
        std::optional<int> next;
        std::optional<int> previous;
    } cases[] = {
        {-1, 0, std::nullopt, std::nullopt},
        {-1, 3, 0, std::nullopt},
        {0, 3, 1, std::nullopt},
        {1, 3, 2, 0},
        {2, 3, std::nullopt, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextPersonIndex(c.selected, c.count), c.next) << c.selected << "/" << c.count;
        EXPECT_EQ(previousPersonIndex(c.selected), c.previous) << c.selected;
    }
}

TEST(ChooserRow, MarksAndColoursByKind)
{
    ColorScheme scheme;
    const QList<PersonListEntry> list = {{"/b/1.wps", "Anna", {}}, {"/b/2.WPB", "Ewa", {}},  {"/b/3.wpj", "Auto", {}},
                                         {"/b/4.wps", "???", {}},  {"/b/5.wpx", "Inny", {}}, {"/b/6.wps", "", {}}};
    using Mark = ChooserRow::Mark;
    const struct {
        int index;
        bool selected;
        const char* name;
        Mark mark;
        ColourValue text;
        ColourValue background;
    } cases[] = {
        {0, false, "Anna", Mark::Person, scheme.ComboBox_tekst1, scheme.ComboBox_tlo},
        {0, true, "Anna", Mark::Person, scheme.ComboBox_tekst1, scheme.ComboBox_podswietlenie},
        {1, false, "Ewa", Mark::Binned, scheme.ComboBox_tekst3, scheme.ComboBox_tlo},
        {2, false, "Auto", Mark::OneOff, scheme.ComboBox_tekst2, scheme.ComboBox_tlo},
        {3, false, "???", Mark::None, scheme.ComboBox_tekst1, scheme.ComboBox_tlo},
        {4, false, "Inny", Mark::None, scheme.ComboBox_tekst1, scheme.ComboBox_tlo},
        {5, false, "", Mark::None, scheme.ComboBox_tekst1, scheme.ComboBox_tlo},
        {6, false, "", Mark::None, scheme.ComboBox_tekst1, scheme.ComboBox_tlo},
    };
    for (const auto& c : cases) {
        const QString path = c.index < list.size() ? list[c.index].Path : QStringLiteral("/b/7.wpb");
        const ChooserRow row = chooserRow(list, c.index, path, c.selected, scheme);
        EXPECT_EQ(row.name, c.name) << c.index;
        EXPECT_EQ(row.mark, c.mark) << c.index;
        EXPECT_EQ(row.text, c.text) << c.index;
        EXPECT_EQ(row.background, c.background) << c.index;
    }
}

} // namespace
