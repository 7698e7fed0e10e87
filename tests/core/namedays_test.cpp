#include "namedays.h"

#include "codec1250.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

const QLocale kPolish(QLocale::Polish, QLocale::Poland);

// A small calendar: not real name days, just the shapes the files take.
class NameDayDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeDates({
            "<$@$>01.01</$@$>@Mieczysław|Mieszko|Masław",
            "<$@$>03.05</$@$>@Maria|Antonina|Jan",
            "<$@$>12.06</$@$>@Jan|Danuta",
            "<$@$>07.07</$@$>@Janina|Cyryl",
            "<$@$>15.08</$@$>",
            "<$@$>20.10</$@$>Irena|Kleopatra",
            "<$@$>20.10</$@$>@Drugi",
            "<$@$>32.13</$@$>@Jan",
            "<$@$>ab.cd</$@$>@Jan",
            "<$@$>02.03</$@$>@ŁUCJA||Halszka",
        });
        writeIndex({
            "<$@$>Jan</$@$>|Jan|Janek|Jaś|",
            "<$@$>Łucja</$@$>|Łucja|Lucja|",
            "<$@$>Anna</$@$>|Anna|Ania|",
        });
    }

    void writeDates(std::initializer_list<const char*> lines)
    {
        dir.write("stale/Imiona_wg_dat.wps", cp1250Lines(lines));
    }
    void writeIndex(std::initializer_list<const char*> lines)
    {
        dir.write("stale/Imiona_index.ind", cp1250Lines(lines));
    }

    static QByteArray cp1250Lines(std::initializer_list<const char*> lines)
    {
        QByteArray bytes;
        for (const char* line : lines)
            bytes += cp(line) + "\r\n";
        return bytes;
    }

    NameDayData data(const TextReader& reader = TextReader::standard()) const
    {
        return NameDayData(dir.path() + "stale/", kPolish, reader);
    }

    static QStringList items(const NameDaySearch& search)
    {
        QStringList list;
        for (const NameDayHit& hit : search.hits)
            list << cp1250::toUnicode(hit.item);
        return list;
    }

    TempDir dir;
};

TEST_F(NameDayDataTest, NamesOfADaySplitIntoPrincipalAndFurther)
{
    const struct {
        int day, month;
        const char* principal;
        const char* further;
    } cases[] = {
        {1, 1, "Mieczysław", "Mieszko, Masław"},
        {3, 5, "Maria", "Antonina, Jan"}, // the key is padded to two digits each
        {2, 3, "ŁUCJA", "Halszka"},       // an empty name between separators is left out
        {20, 10, "", "Irena, Kleopatra"}, // only the first line of a date counts
        {15, 8, "", ""},                  // an empty line
        {4, 4, "", ""},                   // no line
    };
    const NameDayData names = data();
    for (const auto& c : cases) {
        const DayNames day = names.namesOn(c.day, c.month);
        EXPECT_EQ(day.principal, cp(c.principal)) << c.day << "." << c.month;
        EXPECT_EQ(day.further, cp(c.further)) << c.day << "." << c.month;
        EXPECT_FALSE(day.error);
    }
}

TEST_F(NameDayDataTest, MissingFilesGiveNothingAndUnreadableOnesAnError)
{
    const FailingTextReader damaged({dir.file("stale/Imiona_wg_dat.wps")});
    const DayNames unreadable = data(damaged).namesOn(1, 1);
    ASSERT_TRUE(unreadable.error);
    EXPECT_EQ(unreadable.error->path, dir.file("stale/Imiona_wg_dat.wps"));
    EXPECT_TRUE(unreadable.principal.isEmpty());
    const NameDaySearch failed = data(damaged).search(QStringLiteral("Jan"));
    EXPECT_TRUE(failed.hits.isEmpty());
    EXPECT_TRUE(failed.error);

    QFile::remove(dir.file("stale/Imiona_index.ind"));
    EXPECT_TRUE(data().search(QStringLiteral("Jan")).hits.isEmpty());
    QFile::remove(dir.file("stale/Imiona_wg_dat.wps"));
    const DayNames missing = data().namesOn(1, 1);
    EXPECT_TRUE(missing.principal.isEmpty() && missing.further.isEmpty() && !missing.error);
}

TEST_F(NameDayDataTest, AFileSavedAsUtf8IsReadAsStoredAndLosesNoDay)
{
    // An editor's UTF-8 with its byte-order mark first: the names keep their bytes, so the window
    // shows them garbled instead of showing no names, and a name typed without Polish letters is
    // still found. Nothing guesses the encoding: "Mieczysław" typed does not match the UTF-8 bytes.
    const QByteArray mark("\xEF\xBB\xBF");
    dir.write("stale/Imiona_wg_dat.wps",
              mark + QString::fromUtf8("<$@$>01.01</$@$>@Mieczysław|Łucja\r\n<$@$>02.01</$@$>@Abel\r\n").toUtf8());
    dir.write("stale/Imiona_index.ind",
              mark + QString::fromUtf8("<$@$>Mieczysław</$@$>|Mieczysław|Mieczyslaw|\r\n").toUtf8());
    const DayNames first = data().namesOn(1, 1);
    EXPECT_EQ(first.principal, QString::fromUtf8("Mieczysław").toUtf8());
    EXPECT_EQ(first.further, QString::fromUtf8("Łucja").toUtf8());
    EXPECT_EQ(cp1250::toUnicode(first.principal), QString::fromUtf8("MieczysĹ‚aw"));
    EXPECT_EQ(data().namesOn(2, 1).principal, "Abel");

    const NameDaySearch found = data().search(QStringLiteral("mieczyslaw"));
    ASSERT_EQ(found.hits.size(), 1);
    EXPECT_EQ(found.hits[0].name, QString::fromUtf8("Mieczysław").toUtf8());
    EXPECT_EQ(found.hits[0].day, 1);
    EXPECT_TRUE(data().search(QString::fromUtf8("Mieczysław")).hits.isEmpty());
}

TEST_F(NameDayDataTest, WordsAreRunsOfLettersPolishOnesIncluded)
{
    const struct {
        const char* typed;
        QList<QByteArray> words;
    } cases[] = {
        {"Jan, Anna", {"Jan", "Anna"}},
        {"jan3anna.x", {"jan", "anna", "x"}},
        {"Łucja Żółć", {cp("Łucja"), cp("Żółć")}},
        {"Zoë", {"Zo"}},      // a letter of the code page that no name uses separates
        {"名Jan名", {"Jan"}}, // so does a character outside the code page
        {" ,;-1 ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nameDayWords(QString::fromUtf8(c.typed)), c.words) << c.typed;
}

TEST_F(NameDayDataTest, SearchFindsTheDaysOfEveryTypedForm)
{
    const struct {
        const char* typed;
        QStringList items;
    } cases[] = {
        // A form of the index leads to its name; the name counts inside longer names too (Janina).
        {"jaś", {"03 maja (Jan)", "12 czerwca (Jan)", "07 lipca (Jan)"}},
        // Polish capitals fold by the locale: ŁUCJA in the file, łucja typed.
        {"łucja", {"02 marca (Łucja)"}},
        // Two words naming one name find each day twice; hits keep the date file's order.
        {"Jan, Janek",
         {"03 maja (Jan)", "03 maja (Jan)", "12 czerwca (Jan)", "12 czerwca (Jan)", "07 lipca (Jan)",
          "07 lipca (Jan)"}},
        // A word must be a whole form; a known name on no day gives nothing.
        {"Ja", {}},
        {"Ania", {}},
        {"", {}},
    };
    const NameDayData names = data();
    for (const auto& c : cases)
        EXPECT_EQ(items(names.search(QString::fromUtf8(c.typed))), c.items) << c.typed;

    const NameDaySearch jan = names.search(QStringLiteral("Jan"));
    ASSERT_EQ(jan.hits.size(), 3);
    EXPECT_EQ(jan.hits[1], (NameDayHit{"Jan", 12, 6, "12 czerwca (Jan)"}));
}

} // namespace
