#include "printouts.h"

#include "fakedialogs.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += isDark(image.pixel(x, y));
    }
    return dark;
}

TEST(SideStrip, TurnsTheTextAQuarterToTheLeft)
{
    const QImage strip = printouts::sideStrip("IIIIIIIIII", 400, 30, 20);
    ASSERT_EQ(strip.size(), QSize(30, 400));
    // The text starts at the bottom of the strip and reads upwards.
    EXPECT_GT(darkPixels(strip, QRect(0, 300, 30, 100)), 0);
    EXPECT_EQ(darkPixels(strip, QRect(0, 0, 30, 100)), 0);
}

class PrintoutsTest : public ::testing::Test {
protected:
    PersonListEntry person(const QString& file, const char* name, std::initializer_list<const char*> lines)
    {
        return {dir.write(file, crlf(lines)), cp(name), {}};
    }
    QList<int> progress;
    printouts::Progress record = [this](int p) { progress << p; };
    TempDir dir;
    FakePrinter printer;
};

TEST_F(PrintoutsTest, SheetsFillEightCellsAPageWithBarsStripAndNumber)
{
    QList<PersonListEntry> persons;
    for (int i = 0; i < 9; ++i)
        persons << person(QStringLiteral("%1.wps").arg(i), "Jan", {"<$@$>nazwisko</$@$>Jan", "<$@$>ulica</$@$>Polna"});
    // Cell 1 stays blank: its file cannot be read.
    persons[1].Path = dir.file("brak.wps");
    ASSERT_TRUE(printouts::printPersonSheets(printer, persons, TextReader::standard(), QDate(2007, 3, 5), record));
    ASSERT_EQ(printer.pages.size(), 2);
    EXPECT_FALSE(printer.documentOpen);

    const SheetGeometry g = sheetGeometry(printer.portraitPage);
    const QImage& first = printer.pages[0];
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    // A title bar's corner far from the centred name, in cells 0, 7 and none in the blank cell 1.
    const QPoint corner(g.CW - 2, 1);
    EXPECT_EQ(first.pixel(g.titleBar(0).topLeft() + corner), silver);
    EXPECT_EQ(first.pixel(g.titleBar(7).topLeft() + corner), silver);
    EXPECT_EQ(first.pixel(g.titleBar(1).topLeft() + corner), qRgb(255, 255, 255));
    // The last page: one person at the top, the rest white, still the strip and its number.
    const QImage& second = printer.pages[1];
    EXPECT_EQ(second.pixel(g.titleBar(0).topLeft() + corner), silver);
    EXPECT_EQ(second.pixel(g.titleBar(1).topLeft() + corner), qRgb(255, 255, 255));
    for (const QImage& page : printer.pages) {
        EXPECT_GT(darkPixels(page, g.strip), 0);
        EXPECT_GT(darkPixels(page, QRect(g.pageNumber, QSize(30, 30))), 0);
    }
    EXPECT_EQ(progress, (QList<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(PrintoutsTest, SheetsOfSixteenAreExactlyTwoPagesAndARefusingPrinterIsAFailure)
{
    QList<PersonListEntry> persons;
    for (int i = 0; i < 16; ++i)
        persons << person(QStringLiteral("%1.wps").arg(i), "", {"<$@$>nazwisko</$@$>"});
    ASSERT_TRUE(printouts::printPersonSheets(printer, persons, TextReader::standard(), QDate(2007, 3, 5), record));
    EXPECT_EQ(printer.pages.size(), 2);

    printer.canPrint = false;
    EXPECT_FALSE(printouts::printPersonSheets(printer, persons, TextReader::standard(), QDate(2007, 3, 5), record));
}

TEST_F(PrintoutsTest, EnvelopesOnePerReadablePersonWithTheSenderBlock)
{
    const QList<PersonListEntry> persons{
        {dir.file("brak.wps"), "Nikt", {}},
        person("1.wps", "Jan Kos", {"<$@$>ulica</$@$>Polna", "<$@$>nr_domu</$@$>1", "<$@$>miejscowosc</$@$>Wola"}),
        person("2.wps", "Ewa Lis", {"<$@$>poczta</$@$>Kraków"}),
    };
    QList<QByteArray> asked;
    const auto sender = [&](QList<QByteArray>* lines) {
        *lines = {"Nadawca", "Adres"};
        return true;
    };
    ASSERT_TRUE(
        printouts::printEnvelopes(printer, kEnvelopeC6, persons, TextReader::standard(), sender, record, nullptr));
    // The missing first person leaves no blank envelope.
    ASSERT_EQ(printer.pages.size(), 2);
    EXPECT_EQ(printer.orientation, Printer::Orientation::Landscape);
    const QSize page = printer.pageSize();
    const QImage& envelope = printer.pages[0];
    const int recipientX = roundHalfEven(page.width() * 90 / 297.0);
    const int recipientY = roundHalfEven(page.height() * (210 - 56) / 210.0);
    const int senderY = roundHalfEven(page.height() * 110 / 210.0);
    EXPECT_GT(darkPixels(envelope, QRect(recipientX, recipientY, 200, 20)), 0);
    // Nothing above the sender block, and nothing left of the recipient below it.
    EXPECT_EQ(darkPixels(envelope, QRect(0, 0, page.width(), senderY - 1)), 0);
    EXPECT_EQ(darkPixels(envelope, QRect(0, recipientY, recipientX - 1, page.height() - recipientY)), 0);
    EXPECT_GT(darkPixels(envelope, QRect(roundHalfEven(page.width() / 16.0), senderY, 150, 12)), 0);
    EXPECT_EQ(progress, (QList<int>{0, 0, 1, 2}));
}

TEST_F(PrintoutsTest, ACancelledSetupOrSenderPrintsNothing)
{
    const QList<PersonListEntry> persons{person("1.wps", "Jan", {"<$@$>nazwisko</$@$>Jan"})};
    bool senderAsked = false;
    const auto sender = [&](QList<QByteArray>*) {
        senderAsked = true;
        return false;
    };
    printer.setupAnswer = false;
    EXPECT_TRUE(
        printouts::printEnvelopes(printer, kEnvelopeChosen, persons, TextReader::standard(), sender, record, nullptr));
    EXPECT_FALSE(senderAsked);
    printer.setupAnswer = true;
    EXPECT_TRUE(
        printouts::printEnvelopes(printer, kEnvelopeChosen, persons, TextReader::standard(), sender, record, nullptr));
    EXPECT_TRUE(senderAsked);
    EXPECT_EQ(printer.setupShown, 2);
    EXPECT_EQ(printer.documents, 0);
}

} // namespace
