#include "senderaddress.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

class SenderAddressTest : public ::testing::Test {
protected:
    TempDir dir;
    ProfileFile ini{dir.file("opcje.ini")};
};

TEST_F(SenderAddressTest, ReadsNumberedLinesToTheFirstGapOrMissingMark)
{
    const struct {
        const char* what;
        QByteArray file;
        QList<QByteArray> lines;
    } cases[] = {
        {"no section", "", {}},
        {"three lines", "[adres_nadawcy]\r\nlinia1=Jan\r\nlinia2=\r\nlinia3=Wola\r\n", {"Jan", "", "Wola"}},
        {"a gap", "[adres_nadawcy]\r\nlinia1=Jan\r\nlinia3=Wola\r\n", {"Jan"}},
        {"a line of ???", "[adres_nadawcy]\r\nlinia1=Jan\r\nlinia2=???\r\nlinia3=Wola\r\n", {"Jan"}},
    };
    for (const auto& c : cases) {
        dir.write("opcje.ini", c.file);
        EXPECT_EQ(readSenderAddress(ini), c.lines) << c.what;
    }
}

TEST_F(SenderAddressTest, StoringReplacesTheWholeAddressAndAnEmptyOneKeepsIt)
{
    dir.write("opcje.ini", "[adres_nadawcy]\r\nlinia1=a\r\nlinia2=b\r\nlinia3=c\r\nlinia4=d\r\n");
    QString error;
    ASSERT_TRUE(storeSenderAddress(ini, {"Jan Kos", "", cp("Wólka 1")}, &error));
    EXPECT_EQ(readSenderAddress(ini), (QList<QByteArray>{"Jan Kos", "", cp("Wólka 1")}));
    EXPECT_EQ(ini.readString("adres_nadawcy", "linia4", "???"), "???");

    ASSERT_TRUE(storeSenderAddress(ini, {}, &error));
    EXPECT_EQ(readSenderAddress(ini).size(), 3);
}

TEST_F(SenderAddressTest, AFailedStoreKeepsTheOldAddress)
{
    dir.write("opcje.ini", "[adres_nadawcy]\r\nlinia1=a\r\nlinia2=b\r\n");
    FailingFileWriter full(5);
    ProfileFile failing(dir.file("opcje.ini"), full);
    QString error;
    EXPECT_FALSE(storeSenderAddress(failing, {"nowy"}, &error));
    EXPECT_EQ(readSenderAddress(ini), (QList<QByteArray>{"a", "b"}));
}

} // namespace
