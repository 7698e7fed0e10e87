#include "personsearch.h"

#include "codec1250.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

// The criteria by short names for the cases below.
using Criterion = SearchTexts::Text SearchTexts::*;
constexpr Criterion Name = &SearchTexts::name, Street = &SearchTexts::street, House = &SearchTexts::houseNumber,
                    Flat = &SearchTexts::flatNumber, Town = &SearchTexts::town, Phone1 = &SearchTexts::phone1,
                    Phone2 = &SearchTexts::phone2, Phone3 = &SearchTexts::phone3, Mail = &SearchTexts::mail,
                    Nip = &SearchTexts::nip, Regon = &SearchTexts::regon, Notes = &SearchTexts::notes;

// Persons of both data folders, and a one-off reminder and a binned person in the default one.
class PersonSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        write("baza/b.wps", {"<$@$>nazwisko</$@$>Beata Kowal", "<$@$>ulica</$@$>Krótka", "<$@$>miejscowosc</$@$>Gdańsk",
                             "<$@$>telefony</$@$>22 111", "<$@$>grupa</$@$>Rodzina", "<$@$>grupa</$@$>Przyjaciele",
                             "<$@$>notatka</$@$>lubi KOTY"});
        write("baza/a.wps", {"<$@$>nazwisko</$@$>Adam Nowak", "<$@$>ulica</$@$>Długa", "<$@$>miejscowosc</$@$>Kraków",
                             "<$@$>telefony</$@$>012 345 678", "<$@$>telefony</$@$>601-222-333",
                             "<$@$>mail</$@$>adam@x.pl", "<$@$>NIP</$@$>123-456", "<$@$>grupa</$@$>Praca"});
        write("baza/c.wpj", {"<$@$>nazwisko</$@$>Rocznica ślubu", "<$@$>ulica</$@$>Długa"});
        write("baza/d.wpb", {"<$@$>nazwisko</$@$>Zenon Usunięty", "<$@$>ulica</$@$>Długa", "<$@$>grupa</$@$>Praca"});
        write("baza/e.wps", {"<$@$>ulica</$@$>ŁĄKOWA 5"});
        write("druga/f.wps", {"<$@$>nazwisko</$@$>Adam Nowak", "<$@$>ulica</$@$>DŁUGA", "<$@$>nip</$@$>999"});
    }

    void write(const QString& name, std::initializer_list<const char*> lines)
    {
        QByteArray bytes;
        for (const char* line : lines)
            bytes += cp(line) + "\r\n";
        dir.write(name, bytes);
    }

    // The hits as "folder/file name: name".
    QStringList run(const SearchRequest& request, const TextReader& reader = TextReader::standard()) const
    {
        const PersonSearch search({dir.path() + "baza/", dir.path() + "druga/"}, reader);
        QStringList hits;
        for (const PersonListEntry& hit : search.run(request))
            hits << hit.Path.mid(dir.path().size()) + ": " + cp1250::toUnicode(hit.Name);
        return hits;
    }

    TempDir dir;
};

SearchRequest request(std::initializer_list<std::pair<Criterion, const char*>> texts, bool andMode,
                      SearchGroups groups = {false, false, true, true, {}})
{
    SearchRequest r;
    for (const auto& [criterion, text] : texts)
        r.texts.*criterion = cp1250::fromUnicode(QString::fromUtf8(text));
    r.andMode = andMode;
    r.groups = std::move(groups);
    return r;
}

TEST_F(PersonSearchTest, CriteriaCombineByAndOrOrFoldingOnlyAToZ)
{
    const struct {
        const char* what;
        SearchRequest request;
        QStringList hits;
    } cases[] = {
        // Only A-Z fold: "DłUGA" finds Długa, not DŁUGA; "dŁuga" finds DŁUGA only.
        {"AND, street only", request({{Street, "DłUGA"}}, true), {"baza/a.wps: Adam Nowak"}},
        {"Polish capitals are not folded", request({{Street, "dŁuga"}}, true), {"druga/f.wps: Adam Nowak"}},
        {"OR, name or town",
         request({{Name, "beata"}, {Town, "KRAKóW"}}, false),
         {"baza/a.wps: Adam Nowak", "baza/b.wps: Beata Kowal"}},
        {"AND, name and town", request({{Name, "adam"}, {Town, "Gdańsk"}}, true), {}},
        {"OR, second phone part alone", request({{Phone2, "111"}}, false), {}},
        {"OR, phone parts combine by AND",
         request({{Phone1, "22"}, {Phone2, "111"}}, false),
         {"baza/b.wps: Beata Kowal"}},
        {"OR, second phone part not found", request({{Phone1, "012"}, {Phone2, "999"}}, false), {}},
        {"any one of repeated lines", request({{Phone1, "222"}}, false), {"baza/a.wps: Adam Nowak"}},
        {"no name line", request({{Street, "ŁĄKOWA"}}, false), {"baza/e.wps: Osoba nieznana"}},
        {"NIP under either key case", request({{Nip, "9"}}, false), {"druga/f.wps: Adam Nowak"}},
        {"NIP", request({{Nip, "123"}}, false), {"baza/a.wps: Adam Nowak"}},
        {"notes", request({{Notes, "koty"}}, false), {"baza/b.wps: Beata Kowal"}},
        {"e-mail", request({{Mail, "X.PL"}}, false), {"baza/a.wps: Adam Nowak"}},
        // Sorted by name; equal names keep the default folder's first.
        {"sorted",
         request({{Name, "a"}}, false),
         {"baza/a.wps: Adam Nowak", "druga/f.wps: Adam Nowak", "baza/b.wps: Beata Kowal"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.request), c.hits) << c.what;
}

TEST_F(PersonSearchTest, GroupRowsChooseKindsAndGroups)
{
    const QString adamA = "baza/a.wps: Adam Nowak";
    const QString adamF = "druga/f.wps: Adam Nowak";
    const QString beata = "baza/b.wps: Beata Kowal";
    const QString oneOff = QString::fromUtf8("baza/c.wpj: Rocznica ślubu");
    const QString binned = QString::fromUtf8("baza/d.wpb: Zenon Usunięty");
    const struct {
        const char* what;
        SearchGroups groups;
        QStringList hits;
    } cases[] = {
        {"no row: persons without a group condition", {false, false, false, false, {}}, {adamA, adamF, beata}},
        {"everything", {false, false, true, true, {}}, {adamA, adamF, beata}},
        {"one-off reminders only", {true, false, false, true, {}}, {oneOff}},
        {"one-off reminders and everything", {true, false, true, true, {}}, {adamA, adamF, beata, oneOff}},
        {"the bin and everything", {false, true, true, true, {}}, {adamA, adamF, beata, binned}},
        {"a group found inside a longer one", {false, false, false, true, {"Pra"}}, {adamA}},
        {"two groups", {false, false, false, true, {"Praca", "Przyjaciele"}}, {adamA, beata}},
        {"the bin and a group", {false, true, false, true, {"Praca"}}, {adamA, binned}},
        {"a group in another case", {false, false, false, true, {"praca"}}, {}},
        {"the separator alone", {false, false, false, true, {}}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(request({{Name, "o"}}, false, c.groups)), c.hits) << c.what;
}

TEST_F(PersonSearchTest, TextOutsideTheCodePageMatchesNothing)
{
    SearchRequest r = request({{Name, "adam"}}, false);
    r.texts.*Street = std::nullopt;
    EXPECT_FALSE(r.isEmpty());
    EXPECT_EQ(run(r), QStringList({"baza/a.wps: Adam Nowak", "druga/f.wps: Adam Nowak"}));
    r.andMode = true;
    EXPECT_EQ(run(r), QStringList());

    EXPECT_TRUE(request({}, true).isEmpty());
}

TEST_F(PersonSearchTest, UnreadableFilesAreNoHits)
{
    const FailingTextReader damaged({dir.file("baza/a.wps")});
    EXPECT_EQ(run(request({{Name, "Adam"}}, false), damaged), QStringList({"druga/f.wps: Adam Nowak"}));
}

} // namespace
