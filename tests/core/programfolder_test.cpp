#include "programfolder.h"

#include "support.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct PlacesCase {
    const char* name;
    InstallFacts facts;
    ProgramPlaces expected;
};

TEST(ProgramPlaces, FollowTheKindOfInstall)
{
    const PlacesCase cases[] = {
        {"folder install: everything in the programs' folder, ZUBO_HOME aside",
         {"/home/ola/Zubo", true, false, "/srv/other", "/home/ola"},
         {"/home/ola/Zubo/", "/home/ola/Zubo/", "/home/ola/Zubo/wav/", "", ""}},
        {"system install: the user's ~/Zubo, what ships from share/zubo",
         {"/usr/lib/zubo", false, true, "", "/home/ola"},
         {"/home/ola/Zubo/", "/usr/lib/zubo/", "/usr/share/zubo/wav/", "/usr/share/zubo/stale/",
          "/usr/share/zubo/stale/shipped.sha256"}},
        {"system install run by root, who may write its folder",
         {"/usr/lib/zubo", true, true, "", "/root"},
         {"/root/Zubo/", "/usr/lib/zubo/", "/usr/share/zubo/wav/", "/usr/share/zubo/stale/",
          "/usr/share/zubo/stale/shipped.sha256"}},
        {"system install with ZUBO_HOME",
         {"/tmp/unpacked/usr/lib/zubo", false, true, "/data/kontakty", "/home/ola"},
         {"/data/kontakty/", "/tmp/unpacked/usr/lib/zubo/", "/tmp/unpacked/usr/share/zubo/wav/",
          "/tmp/unpacked/usr/share/zubo/stale/", "/tmp/unpacked/usr/share/zubo/stale/shipped.sha256"}},
        {"folder install the user cannot write: its shipped files, the user's ~/Zubo",
         {"/opt/zubo", false, false, "", "/home/ola"},
         {"/home/ola/Zubo/", "/opt/zubo/", "/opt/zubo/wav/", "/opt/zubo/baza/stale/", ""}},
    };
    for (const PlacesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramPlaces places = programPlacesOf(c.facts);
        EXPECT_EQ(places.programDir, c.expected.programDir);
        EXPECT_EQ(places.programsDir, c.expected.programsDir);
        EXPECT_EQ(places.soundDir, c.expected.soundDir);
        EXPECT_EQ(places.shippedNameDayDir, c.expected.shippedNameDayDir);
        EXPECT_EQ(places.shippedSums, c.expected.shippedSums);
    }
}

TEST(ProgramPlaces, ProbeFindsTheSharedDataBesideThePrograms)
{
    TempDir dir;
    dir.mkdir("usr/lib/zubo");
    EXPECT_FALSE(InstallFacts::probe(dir.file("usr/lib/zubo")).sharedDataBeside);
    dir.mkdir("usr/share/zubo");
    const InstallFacts facts = InstallFacts::probe(dir.file("usr/lib/zubo"));
    EXPECT_TRUE(facts.sharedDataBeside);
    EXPECT_TRUE(facts.ownFolderWritable);
}

class ShippedNameDaysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        places.programDir = dir.file("home/Zubo/");
        places.programsDir = dir.file("usr/lib/zubo/");
        places.soundDir = dir.file("usr/share/zubo/wav/");
        places.shippedNameDayDir = dir.file("usr/share/zubo/stale/");
        places.shippedSums = places.shippedNameDayDir + "shipped.sha256";
        dir.write("usr/share/zubo/stale/Imiona_wg_dat.wps", kDates);
        dir.write("usr/share/zubo/stale/Imiona_index.ind", kIndex);
        dir.write("usr/share/zubo/stale/shipped.sha256", sum(kOldDates) + "  Imiona_wg_dat.wps\n" + sum(kDates) +
                                                             "  Imiona_wg_dat.wps\n" + sum(kIndex) +
                                                             "  Imiona_index.ind\n");
    }

    static QByteArray sum(const QByteArray& bytes)
    {
        return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    }

    static constexpr char kDates[] = "<$@$>01.01</$@$>@Mieczys\xb3\x61w|Maria\r\n";
    static constexpr char kOldDates[] = "<$@$>01.01</$@$>@Mieczys\xb3\x61w\r\n";
    static constexpr char kIndex[] = "<$@$>Maria</$@$>|Maria|Marii|\r\n";

    TempDir dir;
    ProgramPlaces places;
};

TEST_F(ShippedNameDaysTest, TheFirstStartMakesTheFolderWithTheShippedFiles)
{
    EXPECT_TRUE(provideShippedNameDays(places, FileWriter::standard()).isEmpty());
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_wg_dat.wps"), kDates);
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_index.ind"), kIndex);
}

TEST_F(ShippedNameDaysTest, AnEarlierShippedVersionIsReplacedAChangedOneKept)
{
    const QByteArray changed = "<$@$>01.01</$@$>@Mieczys\xb3\x61w|Ola\r\n";
    dir.write("home/Zubo/baza/stale/Imiona_wg_dat.wps", kOldDates);
    dir.write("home/Zubo/baza/stale/Imiona_index.ind", changed);
    EXPECT_TRUE(provideShippedNameDays(places, FileWriter::standard()).isEmpty());
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_wg_dat.wps"), kDates);
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_index.ind"), changed);

    // Without the list of shipped versions every present file counts as the user's.
    dir.write("home/Zubo/baza/stale/Imiona_wg_dat.wps", kOldDates);
    places.shippedSums.clear();
    EXPECT_TRUE(provideShippedNameDays(places, FileWriter::standard()).isEmpty());
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_wg_dat.wps"), kOldDates);
}

TEST_F(ShippedNameDaysTest, AnEarlierShippedVersionBehindALinkLeadingOutIsLeftAlone)
{
    // The user's own copy elsewhere, linked in: an update never writes through to it.
    const QString copy = dir.write("kopia/Imiona_wg_dat.wps", kOldDates);
    dir.mkdir("home/Zubo/baza/stale");
    ASSERT_TRUE(QFile::link(copy, dir.file("home/Zubo/baza/stale/Imiona_wg_dat.wps")));
    EXPECT_TRUE(provideShippedNameDays(places, FileWriter::standard()).isEmpty());
    EXPECT_EQ(dir.read("kopia/Imiona_wg_dat.wps"), kOldDates);
    EXPECT_TRUE(QFileInfo(dir.file("home/Zubo/baza/stale/Imiona_wg_dat.wps")).isSymLink());
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_index.ind"), kIndex);
}

TEST_F(ShippedNameDaysTest, AFailedWriteIsReportedAndLeavesTheOldFile)
{
    dir.write("home/Zubo/baza/stale/Imiona_wg_dat.wps", kOldDates);
    const QString path = places.programDir + "baza/stale/Imiona_wg_dat.wps";
    const QList<NameDayProvision> failed = provideShippedNameDays(places, FileWriterFailingFor({path}));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0].path, path);
    EXPECT_EQ(failed[0].code, QFileDevice::WriteError);
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_wg_dat.wps"), kOldDates);
    EXPECT_EQ(dir.read("home/Zubo/baza/stale/Imiona_index.ind"), kIndex);
}

TEST_F(ShippedNameDaysTest, AFolderInstallIsLeftAlone)
{
    places.shippedNameDayDir.clear();
    EXPECT_TRUE(provideShippedNameDays(places, FileWriter::standard()).isEmpty());
    EXPECT_FALSE(dir.exists("home/Zubo"));
}

} // namespace
