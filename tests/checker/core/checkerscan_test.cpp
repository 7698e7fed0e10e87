#include "checkerscan.h"

#include "codec1250.h"
#include "fileremover.h"
#include "resultrows.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const QDate kToday(2026, 12, 8);

std::vector<int> windows(const DayWindows& d)
{
    return {d.DaysBeforeBirthday, d.DaysBeforeNameDay, d.DaysBeforeOccasion,
            d.DaysAfterBirthday,  d.DaysAfterNameDay,  d.DaysAfterOccasion};
}

QList<QByteArray> names(const QList<wpis>& list)
{
    QList<QByteArray> out;
    for (const wpis& e : list)
        out.append(e.Name);
    return out;
}

QByteArray person(const char* name, const char* dateLine)
{
    return crlf({(std::string("<$@$>nazwisko</$@$>") + name).c_str(), dateLine});
}

TEST(CheckerSettings, DayCountsOutsideTheirRangeNeverStopTheChecker)
{
    struct Case {
        const char* name;
        QByteArray ini;
        std::vector<int> days; // before birthday, name day, occasion; after birthday, name day, occasion
        QByteArray language;
    };
    const Case cases[] = {
        {"no file", "", {7, 7, 7, 3, 3, 3}, "Polski"},
        {"as the options dialog writes them",
         "[opcje]\r\ndni_do_urodzin=14\r\ndni_do_imienin=0\r\ndni_do_imprezy=$A\r\n"
         "dni_po_urodzinach=1\r\ndni_po_imieninach=2\r\ndni_po_imprezie=0\r\n[jezyk]\r\nnazwa=English\r\n",
         {14, 0, 10, 1, 2, 0},
         "English"},
        {"edited by hand",
         "[opcje]\r\ndni_do_urodzin=-1\r\ndni_do_imienin=300\r\ndni_do_imprezy=siedem\r\n"
         "dni_po_urodzinach=\r\ndni_po_imieninach=255\r\ndni_po_imprezie=$FFFFFFFF\r\n",
         {7, 255, 7, 3, 255, 3},
         "Polski"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (!c.ini.isEmpty())
            dir.write("opcje.ini", c.ini);
        const CheckerSettings s = CheckerSettings::read(ProfileFile(dir.file("opcje.ini")));
        EXPECT_EQ(windows(s.days), c.days) << c.name;
        EXPECT_EQ(s.languageName, c.language) << c.name;
    }
}

TEST(CheckerScan, ReadsPersonsAndRemindersOfBothDataFolders)
{
    TempDir prog;
    prog.write("baza/b.wps", person("Bożena", "<$@$>urodziny</$@$>08.12.1990"));
    prog.write("baza/A.WPS", person("Adam", "<$@$>imieniny</$@$>10.12"));
    prog.write("baza/r.wpj", person("Rata", "<$@$>impreza</$@$>09.12.2026-Rata"));
    prog.write("baza/c.wpb", person("Kosz", "<$@$>urodziny</$@$>08.12.1990"));
    prog.write("baza/d.wpx", person("Inny", "<$@$>urodziny</$@$>08.12.1990"));
    prog.write("baza/e.txt", person("Tekst", "<$@$>urodziny</$@$>08.12.1990"));
    prog.write("druga/g.wps", person("Gosia", "<$@$>urodziny</$@$>09.12.????"));
    prog.write("druga/f.wps", person("Franek", "<$@$>imieniny</$@$>06.12"));

    struct Case {
        const char* name;
        QByteArray opcje;
        QList<QByteArray> coming;
        QList<QByteArray> past;
    };
    const QByteArray second = "baza_2=" + prog.file("druga").toUtf8() + "\r\n";
    const Case cases[] = {
        {"default folder only", "", {"Adam", cp("Bożena"), "Rata"}, {}},
        {"both folders, the default one first",
         "[opcje]\r\n" + second,
         {"Adam", cp("Bożena"), "Rata", "Gosia"},
         {"Franek"}},
        {"baza_1 in another case", "[opcje]\r\nbaza_1=Jest\r\n" + second, {"Gosia"}, {"Franek"}},
    };
    for (const Case& c : cases) {
        prog.write("opcje.ini", c.opcje);
        const CheckerResult r = CheckerMain(prog.path(), kToday, RecordingRemover());
        EXPECT_EQ(names(r.ComingList), c.coming) << c.name;
        EXPECT_EQ(names(r.PastList), c.past) << c.name;
    }
    prog.write("opcje.ini", "[opcje]\r\n" + second);
    const CheckerResult r = CheckerMain(prog.path(), kToday, RecordingRemover());
    EXPECT_EQ(r.ComingList[0].Path, prog.file("baza/A.WPS"));
    EXPECT_EQ(r.ComingList[3].Path, prog.file("druga/g.wps"));
    EXPECT_EQ(r.CurrentYear, 2026);
}

TEST(CheckerScan, DeletesPassedRemindersAndTheirPhotosByTheNamesFound)
{
    TempDir prog;
    prog.write("opcje.ini", "[opcje]\r\nbaza_2=" + prog.file("druga").toUtf8() + "\r\n");
    prog.write("baza/12-34-56.wpj", person("Rata", "<$@$>imieniny</$@$>06.12"));
    prog.write("baza/12-34-56.bmp", "BM");
    prog.write("baza/AB.WPJ", person("Wizyta", "<$@$>impreza</$@$>07.12.2026-Wizyta"));
    prog.write("baza/AB.BMP", "BM");
    // Another file on this file system, due next year: it stays, and so does the photo of its base.
    prog.write("baza/ab.wpj", person("Przegląd", "<$@$>impreza</$@$>07.12.2027-Przegląd"));
    prog.write("baza/k.wpj",
               crlf({"<$@$>nazwisko</$@$>Dwie daty", "<$@$>imieniny</$@$>06.12", "<$@$>urodziny</$@$>10.12.????"}));
    prog.write("baza/n.wpj", person("Bez zdjęcia", "<$@$>impreza</$@$>06.12.????-Spotkanie"));
    prog.write("baza/w.wps", person("Osoba", "<$@$>urodziny</$@$>06.12.1990"));
    prog.write("baza/w.bmp", "BM");
    prog.write("druga/s.wpj", person("Druga", "<$@$>impreza</$@$>05.12.2026-Spotkanie"));

    const RecordingRemover remover;
    const CheckerResult r = CheckerMain(prog.path(), kToday, remover);

    EXPECT_EQ(remover.asked,
              QStringList({prog.file("baza/12-34-56.wpj"), prog.file("baza/12-34-56.bmp"), prog.file("baza/AB.WPJ"),
                           prog.file("baza/n.wpj"), prog.file("druga/s.wpj")}));
    for (const char* gone : {"baza/12-34-56.wpj", "baza/12-34-56.bmp", "baza/AB.WPJ", "baza/n.wpj", "druga/s.wpj"})
        EXPECT_FALSE(prog.exists(gone)) << gone;
    for (const char* kept : {"baza/ab.wpj", "baza/AB.BMP", "baza/k.wpj", "baza/w.wps", "baza/w.bmp"})
        EXPECT_TRUE(prog.exists(kept)) << kept;
    EXPECT_EQ(names(r.ComingList), QList<QByteArray>({"Dwie daty"}));
    EXPECT_EQ(names(r.PastList), QList<QByteArray>({"Osoba"}));
}

TEST(CheckerScan, EndsSilentlyWhenOnlyRemindersWereDeletedEvenIfADeletionFails)
{
    TempDir prog;
    prog.write("baza/a.wpj", person("A", "<$@$>imieniny</$@$>06.12"));
    prog.write("baza/b.wpj", person("B", "<$@$>imieniny</$@$>07.12"));
    prog.write("baza/b.bmp", "BM");

    const RecordingRemover remover({prog.file("baza/a.wpj")});
    const CheckerResult r = CheckerMain(prog.path(), kToday, remover);

    EXPECT_EQ(remover.asked, QStringList({prog.file("baza/a.wpj"), prog.file("baza/b.wpj"), prog.file("baza/b.bmp")}));
    EXPECT_TRUE(prog.exists("baza/a.wpj"));
    EXPECT_FALSE(prog.exists("baza/b.wpj"));
    EXPECT_FALSE(prog.exists("baza/b.bmp"));
    EXPECT_TRUE(r.silentEnd());
}

// Deletes as asked; before deleting `trigger` it runs `meanwhile`, as the main program saving an entry
// while the checker works through its list.
class RemoverWithEditsMeanwhile : public RecordingRemover {
public:
    RemoverWithEditsMeanwhile(QString trigger, std::function<void()> meanwhile)
        : m_trigger(std::move(trigger))
        , m_meanwhile(std::move(meanwhile))
    {}
    bool remove(const QString& path) const override
    {
        if (path == m_trigger)
            m_meanwhile();
        return RecordingRemover::remove(path);
    }

private:
    QString m_trigger;
    std::function<void()> m_meanwhile;
};

TEST(CheckerScan, DeletesAReminderOnlyWhileItHoldsWhatWasJudged)
{
    TempDir prog;
    const QByteArray passed = person("Rata", "<$@$>impreza</$@$>06.12.2026-Rata");
    for (const char* name : {"baza/a.wpj", "baza/b.wpj", "baza/c.wpj", "baza/d.wpj"})
        prog.write(name, passed);
    for (const char* name : {"baza/b.bmp", "baza/c.bmp", "baza/d.bmp"})
        prog.write(name, "BM");

    const RemoverWithEditsMeanwhile remover(prog.file("baza/a.wpj"), [&] {
        // Moved to a later date: no longer done.
        prog.write("baza/b.wpj", person("Rata", "<$@$>impreza</$@$>20.12.2026-Rata"));
        // Still passed, but not what was judged.
        prog.write("baza/c.wpj", person("Rata Kowalskiej", "<$@$>impreza</$@$>06.12.2026-Rata"));
        // Saved again unchanged.
        prog.write("baza/d.wpj", passed);
    });
    CheckerMain(prog.path(), kToday, remover);

    EXPECT_EQ(remover.asked, QStringList({prog.file("baza/a.wpj"), prog.file("baza/d.wpj"), prog.file("baza/d.bmp")}));
    EXPECT_EQ(prog.read("baza/b.wpj"), person("Rata", "<$@$>impreza</$@$>20.12.2026-Rata"));
    for (const char* kept : {"baza/b.bmp", "baza/c.wpj", "baza/c.bmp"})
        EXPECT_TRUE(prog.exists(kept)) << kept;
}

TEST(CheckerScan, DeletesAPhotoOnlyWhenNoOtherEntryOfItsBaseIsLeft)
{
    TempDir prog;
    const QByteArray passed = person("Rata", "<$@$>impreza</$@$>06.12.2026-Rata");
    const QByteArray someone = person("Osoba", "<$@$>urodziny</$@$>20.05.1990");
    struct Case {
        const char* name;
        QList<const char*> files; // besides the passed reminder
        const char* reminder;
        QList<const char*> gone;
        QList<const char*> kept;
    };
    const Case cases[] = {
        {"the photo of a person of the same base", {"x.wps", "x.bmp"}, "x.wpj", {"x.wpj"}, {"x.wps", "x.bmp"}},
        {"the photo of a binned person of the same base", {"Y.WPB", "y.bmp"}, "y.wpj", {"y.wpj"}, {"Y.WPB", "y.bmp"}},
        {"a name that would be a mask", {"ab.wps", "ab.bmp"}, "a?.wpj", {"a?.wpj"}, {"ab.wps", "ab.bmp"}},
        {"its own photo beside a name the mask would match",
         {"z*.bmp", "zz.wps", "zz.bmp"},
         "z*.wpj",
         {"z*.wpj", "z*.bmp"},
         {"zz.wps", "zz.bmp"}},
        {"its own photo in another case", {"q.BMP"}, "q.wpj", {"q.wpj", "q.BMP"}, {}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const char* name : c.files)
            dir.write(QStringLiteral("baza/") + name, QByteArray(name).endsWith("bmp") ? QByteArray("BM") : someone);
        dir.write(QStringLiteral("baza/") + c.reminder, passed);
        CheckerMain(dir.path(), kToday, RecordingRemover());
        for (const char* name : c.gone)
            EXPECT_FALSE(dir.exists(QStringLiteral("baza/") + name)) << c.name << ": " << name;
        for (const char* name : c.kept)
            EXPECT_TRUE(dir.exists(QStringLiteral("baza/") + name)) << c.name << ": " << name;
    }
    // A reminder that could not be deleted keeps its photo.
    prog.write("baza/w.wpj", passed);
    prog.write("baza/w.bmp", "BM");
    const RecordingRemover failing({prog.file("baza/w.wpj")});
    CheckerMain(prog.path(), kToday, failing);
    EXPECT_EQ(failing.asked, QStringList({prog.file("baza/w.wpj")}));
    EXPECT_TRUE(prog.exists("baza/w.bmp"));
}

// Many reminders of one folder passed at once: the folder is listed once for all of them, and each
// deletion counts, so a photo goes with the last entry of its base and not before.
TEST(CheckerScan, DeletesTheLastOfManyPassedRemindersOfABaseWithItsPhoto)
{
    TempDir dir;
    const QByteArray passed = person("Rata", "<$@$>impreza</$@$>06.12.2026-Rata");
    for (const char* name : {"a.wpj", "A.WPJ", "b.wpj", "c.wpj"})
        dir.write(QStringLiteral("baza/") + name, passed);
    dir.write("baza/c.wps", person("Osoba", "<$@$>urodziny</$@$>20.05.1990"));
    for (const char* name : {"a.bmp", "B.BMP", "c.bmp"})
        dir.write(QStringLiteral("baza/") + name, "BM");
    const RecordingRemover remover;
    CheckerMain(dir.path(), kToday, remover);
    EXPECT_EQ(remover.asked, QStringList({dir.file("baza/A.WPJ"), dir.file("baza/a.wpj"), dir.file("baza/a.bmp"),
                                          dir.file("baza/b.wpj"), dir.file("baza/B.BMP"), dir.file("baza/c.wpj")}));
    EXPECT_TRUE(dir.exists("baza/c.bmp"));
}

TEST(Holiday, IsTheLastLineDatedWithTodaysDayAndMonth)
{
    struct Case {
        const char* name;
        QDate today;
        QByteArray file;
        const char* expected;
    };
    const QByteArray christmas =
        crlf({"<$@$>swieto</$@$>24.12.2000-Wigilia", "<$@$>swieto</$@$>24.12.1999-Wigilia 1999",
              "<$@$>swieta</$@$>24.12.2000-Inny klucz", "<$@$>swieto</$@$>25.12.????-Boże Narodzenie"});
    const QByteArray odd = crlf({"<$@$>swieto</$@$>29.02.2000-Przestępny", "<$@$>swieto</$@$>31.04.2000-Brak",
                                 "<$@$>swieto</$@$>00.05.2000-Zero", "<$@$>swieto</$@$>1x.05.2000-Litera"});
    const Case cases[] = {
        {"the later of two lines", QDate(2026, 12, 24), christmas, "Wigilia 1999"},
        {"text from character 12", QDate(2026, 12, 25), christmas, "Boże Narodzenie"},
        {"no line today", QDate(2026, 12, 26), christmas, ""},
        {"29.02 in a leap year", QDate(2028, 2, 29), odd, "Przestępny"},
        {"29.02 in a common year", QDate(2026, 2, 28), odd, ""},
        {"29.02 is not moved to 1 March", QDate(2026, 3, 1), odd, ""},
        {"31.04 matches no day", QDate(2026, 4, 30), odd, ""},
        {"31.04 is not moved to 1 May, 00.05 and 1x.05 are no days", QDate(2026, 5, 1), odd, ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        EXPECT_EQ(readHoliday(dir.write("swieta.wps", c.file), c.today), cp(c.expected)) << c.name;
    }
    TempDir empty;
    EXPECT_EQ(readHoliday(empty.file("swieta.wps"), kToday), "");
}

TEST(CheckerScan, AHolidayAloneOpensTheWindow)
{
    TempDir prog;
    prog.write("baza/stale/swieta.wps", crlf({"<$@$>swieto</$@$>08.12.????-Niepokalane Poczęcie"}));
    const CheckerResult r = CheckerMain(prog.path(), kToday, RecordingRemover());
    EXPECT_FALSE(r.silentEnd());
    EXPECT_EQ(resultRows(r), (QList<ResultRow>{
                                 {RowKind::Today, "Dzisiaj jest  8 grudnia 2026"},
                                 {RowKind::Holiday, cp("Niepokalane Poczęcie")},
                                 {RowKind::Caption, "------- W NAJBLI\xAFSZYM CZASIE -------"},
                                 {RowKind::Caption, "------- JU\xAF MIN\xCA\xA3O -------"},
                                 {RowKind::Caption, "------- KONIEC -------"},
                             }));
    TempDir nothing;
    EXPECT_TRUE(CheckerMain(nothing.path(), kToday, RecordingRemover()).silentEnd());
}

TEST(CheckerScan, UsesTheChosenLanguage)
{
    TempDir prog;
    prog.write("opcje.ini", "[jezyk]\r\nnazwa=English\r\n");
    prog.write("lng/en.lng", crlf({"<$@$>jezyk</$@$>English", "<$@$>109</$@$>Birthday", "<$@$>107</$@$>Today is",
                                   "<$@$>92</$@$>December", "<$@$>135</$@$>today!"}));
    prog.write("baza/a.wps", person("Ala", "<$@$>urodziny</$@$>08.12.1990"));
    const CheckerResult r = CheckerMain(prog.path(), kToday, RecordingRemover());
    ASSERT_EQ(r.ComingList.size(), 1);
    EXPECT_EQ(r.ComingList[0].EntryText, "Birthday (08 December) - today!");
    EXPECT_EQ(resultRows(r).first(), (ResultRow{RowKind::Today, "Today is 8 December 2026"}));
}

} // namespace
