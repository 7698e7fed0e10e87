#include "printouts.h"

#include "fakedialogs.h"
#include "support.h"

#include <gtest/gtest.h>

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

// The leftmost column with a dark pixel in the area, or -1.
int firstDarkColumn(const QImage& image, const QRect& area)
{
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (isDark(image.pixel(x, y)))
                return x;
        }
    }
    return -1;
}

int darkPixels(const QImage& image, const QRect& wanted)
{
    const QRect area = wanted & image.rect();
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
    const auto mmX = [&](double mm) { return roundHalfEven(page.width() * mm / 297); };
    const auto mmY = [&](double mm) { return roundHalfEven(page.height() * mm / 210); };
    const int recipientX = mmX(90);
    const int senderX = roundHalfEven(page.width() / 16.0);
    const int senderY = mmY(110);
    // Four recipient lines 27 / 4 mm apart from 56 mm above the bottom, each text in its own band:
    // the name, the street, an empty line (the town stands in for the post office) and the postal
    // line, which starts with the blank before the town.
    const int lineHeight = mmY(56 + 27 / 4.0) - mmY(56);
    struct Line {
        const char* what;
        int top;
        int firstColumnFrom, firstColumnTo; // -1: no text
    };
    // A letter may start a pixel or two left of its place, as the "J" of the name does.
    const int blank = 4;
    const Line lines[] = {
        {"name", mmY(210 - 56), recipientX - 2, recipientX + 3},
        {"street", mmY(210 - 56 + 27 / 4.0), recipientX - 2, recipientX + 3},
        {"town", mmY(210 - 56 + 2 * 27 / 4.0), -1, -1},
        {"postal line", mmY(210 - 56 + 3 * 27 / 4.0), recipientX + blank, recipientX + 3 * blank},
    };
    for (const Line& l : lines) {
        const QRect band(0, l.top, page.width(), lineHeight);
        const int first = firstDarkColumn(envelope, band);
        if (l.firstColumnFrom < 0) {
            EXPECT_EQ(first, -1) << l.what;
            continue;
        }
        EXPECT_GE(first, l.firstColumnFrom) << l.what;
        EXPECT_LE(first, l.firstColumnTo) << l.what;
        // The text stays within the block's width.
        EXPECT_EQ(darkPixels(envelope, QRect(mmX(90 + 55), l.top, page.width(), lineHeight)), 0) << l.what;
    }
    // Nothing else on the envelope than the recipient's block and the sender's two lines.
    const QRect block(recipientX - 2, lines[0].top, page.width(), 4 * lineHeight);
    const int senderLineHeight = lineHeight * 8 / 10 + 2;
    const QRect senderBlock(senderX, senderY, recipientX - senderX, 2 * senderLineHeight);
    EXPECT_EQ(darkPixels(envelope, QRect(0, 0, page.width(), page.height())),
              darkPixels(envelope, block) + darkPixels(envelope, senderBlock));
    for (int j = 0; j < 2; ++j) {
        const QRect line(0, senderY + j * senderLineHeight, recipientX, senderLineHeight);
        const int first = firstDarkColumn(envelope, line);
        EXPECT_GE(first, senderX - 2) << "sender line " << j;
        EXPECT_LE(first, senderX + 3) << "sender line " << j;
    }
    EXPECT_EQ(progress, (QList<int>{0, 0, 1, 2}));
}

TEST_F(PrintoutsTest, EnvelopesForNobodyReadableSendNothingToThePrinter)
{
    const QList<PersonListEntry> persons{{dir.file("brak.wps"), "Nikt", {}}, {dir.file("nic.wps"), "Nic", {}}};
    const auto sender = [&](QList<QByteArray>* lines) {
        *lines = {"Nadawca"};
        return true;
    };
    for (const EnvelopeFormat& format : {kEnvelopeC6, kEnvelopeChosen}) {
        EXPECT_TRUE(
            printouts::printEnvelopes(printer, format, persons, TextReader::standard(), sender, record, nullptr));
        EXPECT_EQ(printer.documents, 0);
        EXPECT_TRUE(printer.pages.isEmpty());
    }
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
