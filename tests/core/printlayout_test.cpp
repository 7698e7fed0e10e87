#include "printlayout.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    const struct {
        double value;
        int expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {496.5, 496}, {2.4999, 2}, {2.5001, 3}, {-1.5, -2}, {7, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(FitFontSize, StopsAtTheFirstSizeBigEnoughOrAfterTheLastIncrease)
{
    const auto height = [](int size) { return size * 2; };
    // 2 * 6 = 12 is the first height above 11.
    EXPECT_EQ(fitFontSize(
                  height, [](int h) { return h > 11; }, 100),
              6);
    // Never big enough: 1 + 101 increases.
    EXPECT_EQ(fitFontSize(
                  height, [](int) { return false; }, 100),
              102);
    EXPECT_EQ(fitFontSize(
                  height, [](int) { return false; }, 18),
              20);
    // The first increase is always made.
    EXPECT_EQ(fitFontSize(
                  height, [](int) { return true; }, 50),
              2);
}

TEST(SheetGeometry, FractionsOfThePageRoundHalvesToEven)
{
    // 4965 x 7015 pixels: 10 % of the width is 496.5 and 80 % of a cell's share 701.5.
    const SheetGeometry g = sheetGeometry(QSize(4965, 7015));
    EXPECT_EQ(g.MX, 496);            // 496.5
    EXPECT_EQ(g.MY, 702);            // 701.5
    EXPECT_EQ(g.CW, 3972);           // 3972
    EXPECT_EQ(g.CH, 702);            // 701.5
    EXPECT_EQ(g.titleBarHeight, 84); // 84.24
    EXPECT_EQ(g.titleBar(2), QRect(496, 702 + 2 * 702, 3972, 84));
    EXPECT_EQ(g.lineY(1, 48), 702 + 702 + 337);                     // 336.96
    EXPECT_EQ(g.strip, QRect(496 + 3972 + 124, 702, 248, 8 * 702)); // 124.125, 248.25
    EXPECT_EQ(g.pageNumber, QPoint(496 + 3972 + 166, 7015 - 248));  // 165.5
    EXPECT_EQ(g.phoneX, 496 + 3178);                                // 3177.6
    EXPECT_EQ(g.fontLimit, 67);                                     // 67.392
    EXPECT_EQ(g.stripFontLimit, 62);                                // 62.0625
}

TEST(SheetSlots, EightToAPageAndTheRestOnALastPage)
{
    const struct {
        int persons;
        int pages;
    } cases[] = {{0, 0}, {1, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(sheetPageCount(c.persons), c.pages) << c.persons;
        const QList<SheetSlot> slotList = sheetSlots(c.persons);
        ASSERT_EQ(slotList.size(), c.persons);
        if (c.persons > 0) {
            EXPECT_EQ(slotList.last().page, c.pages - 1) << c.persons;
            EXPECT_EQ(slotList.last().cell, (c.persons - 1) % 8) << c.persons;
        }
    }
    const QList<SheetSlot> nine = sheetSlots(9);
    EXPECT_EQ(nine[7].page, 0);
    EXPECT_EQ(nine[8].page, 1);
    EXPECT_EQ(nine[8].cell, 0);
    // The gauge runs on through the last page; with no whole page it counts from 1.
    EXPECT_EQ(nine[8].progress, 8);
    EXPECT_EQ(sheetSlots(3)[0].progress, 1);
}

TEST(SheetCellTexts, AddressBirthdayFirstThreeMailsAndFirstSevenPhones)
{
    const SheetGeometry g = sheetGeometry(QSize(1000, 1000)); // MX 100, MY 100, CW 800, CH 100
    PersonRecord p;
    p.ulica = "Długa";
    p.nr_domu = "5";
    p.kod_pocztowy = "00-950";
    p.miejscowosc = "Warszawa";
    p.wojewodztwo = "mazowieckie";
    p.mail = {"a@x.pl", "b@x.pl", "c@x.pl", "d@x.pl"};
    p.telefony = {"1", "2", "3", "4", "5", "6", "7", "8"};
    const QList<PlacedText> texts = sheetCellTexts(g, 1, p);
    const int T = 200;
    const QList<PlacedText> expected{
        {100, T + 12, "Długa 5 / "},  {100, T + 24, "00-950 Warszawa"},
        {100, T + 36, "mazowieckie"}, {100, T + 48, "ur. "},
        {100, T + 84, "a@x.pl"},      {100, T + 72, "b@x.pl"},
        {100, T + 60, "c@x.pl"},      {740, T + 84, "1"},
        {740, T + 72, "2"},           {740, T + 60, "3"},
        {740, T + 48, "4"},           {740, T + 36, "5"},
        {740, T + 24, "6"},           {740, T + 12, "7"},
    };
    EXPECT_EQ(texts, expected);

    p.urodziny = "05.03.????";
    EXPECT_EQ(sheetCellTexts(g, 0, p)[3].text, "ur. 05.03.????");
    // Centred over the content width; half of 61 rounds to 30, half of 63 to 32.
    EXPECT_EQ(sheetNameX(g, 61), 100 + 400 - 30);
    EXPECT_EQ(sheetNameX(g, 63), 100 + 400 - 32);
}

TEST(SheetStripText, EndsWithTodayInPolishWords)
{
    const QByteArray text = sheetStripText(QDate(2007, 3, 5), "http://strona/", "a@b.pl");
    EXPECT_EQ(text, "wydrukowane przez: ..:: --Zubo v.3.7-- ::..  ------  http://strona/  ------  email: a@b.pl"
                    "  ------  5 marca 2007");
}

// Every character 10 pixels wide.
int tenEach(const QByteArray& text)
{
    return int(text.size()) * 10;
}

PersonRecord addressOf(const char* street, const char* house, const char* flat, const char* code, const char* office,
                       const char* town)
{
    PersonRecord p;
    p.ulica = cp(street);
    p.nr_domu = house;
    p.nr_mieszkania = flat;
    p.kod_pocztowy = code;
    p.poczta = cp(office);
    p.miejscowosc = cp(town);
    return p;
}

// A landscape page of 2970 x 2100 pixels: ten pixels to the millimetre.
const QSize kPage(2970, 2100);

TEST(EnvelopeRecipient, FourLinesAtTheBlockOfTheFormat)
{
    const PersonRecord p = addressOf("Długa", "5", "3", "00-950", "Warszawa", "Wawer");
    const QList<PlacedText> c6 = envelopeRecipient(kEnvelopeC6, kPage, "Jan Kos", p, tenEach);
    // Left 90 mm; first line 210 - 56 mm from the top, pitch 27 / 4 mm.
    const QList<PlacedText> expected{{900, 1540, "Jan Kos"},
                                     {900, 1608, cp("Długa 5 / 3")}, // 1607.5
                                     {900, 1675, "Wawer"},
                                     {900, 1742, "00-950 WARSZAWA"}}; // 1742.5
    EXPECT_EQ(c6, expected);
}

TEST(EnvelopeRecipient, StreetAndTownLinesByFormat)
{
    const struct {
        const char* what;
        EnvelopeFormat format;
        PersonRecord person;
        const char* line2;
        const char* line3;
        const char* line4;
    } cases[] = {
        {"no flat", kEnvelopeDL, addressOf("Długa", "5", "", "11-111", "Kraków", ""), "Długa 5", "", "11-111 KRAKÓW"},
        {"town without post office", kEnvelopeC6, addressOf("", "7", "", "22-222", "", "Wólka"), "Wólka 7", "",
         "22-222 WÓLKA"},
        {"town and post office", kEnvelopeC6, addressOf("Polna", "1", "", "33-333", "Łódź", "Wola"), "Polna 1", "Wola",
         "33-333 ŁÓDŹ"},
        {"chosen: both swap", kEnvelopeChosen, addressOf("Polna", "1", "", "33-333", "Łódź", "Wola"), "Polna 1", "Łódź",
         "33-333 WOLA"},
        {"chosen: town only", kEnvelopeChosen, addressOf("", "7", "", "22-222", "", "Wólka"), " 7", "", "22-222 WÓLKA"},
        {"chosen: post office only", kEnvelopeChosen, addressOf("Polna", "1", "2", "33-333", "żary", ""), "Polna 1 / 2",
         "", "33-333 ŻARY"},
    };
    for (const auto& c : cases) {
        const QList<PlacedText> lines = envelopeRecipient(c.format, kPage, "N", c.person, tenEach);
        EXPECT_EQ(lines[1].text, cp(c.line2)) << c.what;
        EXPECT_EQ(lines[2].text, cp(c.line3)) << c.what;
        EXPECT_EQ(lines[3].text, cp(c.line4)) << c.what;
    }
}

TEST(EnvelopeRecipient, LongNamesAndStreetsMoveTheBlockLeftAndShortNamesKeepIt)
{
    // Line widths at ten pixels per millimetre: C6 550 px (55 characters), 850 px after the shift.
    const QByteArray fitsWidened(60, 'n');
    const QByteArray tooLong(100, 'n');
    const QByteArray longStreet(90, 's');
    const PersonRecord plain = addressOf("Krótka", "1", "", "", "", "");
    const PersonRecord wide = addressOf(longStreet.constData(), "1", "", "", "", "");
    const struct {
        const char* what;
        EnvelopeFormat format;
        QByteArray name;
        PersonRecord person;
        int x;
        QByteArray shownName;
    } cases[] = {
        {"fits", kEnvelopeC6, "Jan", plain, 900, "Jan"},
        {"name fits 30 mm further left", kEnvelopeC6, fitsWidened, plain, 600, fitsWidened},
        {"name too long for both", kEnvelopeC6, tooLong, plain, 600, QByteArray(82, 'n') + "..."},
        {"long street", kEnvelopeC6, "Jan", wide, 700, "Jan"},
        {"long name and street", kEnvelopeC6, fitsWidened, wide, 400, fitsWidened},
        {"DL long name", kEnvelopeDL, QByteArray(90, 'n'), plain, 970, QByteArray(90, 'n')},
        {"chosen long name", kEnvelopeChosen, QByteArray(140, 'n'), plain, 1350, QByteArray(140, 'n')},
        {"chosen long street", kEnvelopeChosen, "Jan", addressOf(QByteArray(140, 's').constData(), "1", "", "", "", ""),
         1350, "Jan"},
    };
    for (const auto& c : cases) {
        const QList<PlacedText> lines = envelopeRecipient(c.format, kPage, c.name, c.person, tenEach);
        EXPECT_EQ(lines[0].text, c.shownName) << c.what;
        for (const PlacedText& line : lines)
            EXPECT_EQ(line.x, c.x) << c.what;
    }
}

TEST(EnvelopeRecipient, ANameNeverFittingEndsAsDotsAlone)
{
    const auto huge = [](const QByteArray&) { return 100000; };
    EXPECT_EQ(envelopeRecipient(kEnvelopeC6, kPage, "Jan", PersonRecord(), huge)[0].text, "...");
}

TEST(EnvelopeFont, LimitsByFormat)
{
    // C6 on a 2970 pixel page: 0.75 * 27 / 297 / 4 of the width is 50.625; PW / 50 is 59.4.
    EXPECT_FALSE(envelopeFontBigEnough(kEnvelopeC6, 2970, 50));
    EXPECT_TRUE(envelopeFontBigEnough(kEnvelopeC6, 2970, 51));
    // DL: 58.125, below PW / 50.
    EXPECT_FALSE(envelopeFontBigEnough(kEnvelopeDL, 2970, 58));
    EXPECT_TRUE(envelopeFontBigEnough(kEnvelopeDL, 2970, 59));
    // A block so high that PW / 50 (59.4) stops the growth first.
    EXPECT_TRUE(envelopeFontBigEnough({0, 0, 0, 100, false}, 2970, 60));
    // Chosen format: 0.65 * 60 / 297 / 4 is 97.5, and no PW / 50 limit.
    EXPECT_FALSE(envelopeFontBigEnough(kEnvelopeChosen, 2970, 97));
    EXPECT_TRUE(envelopeFontBigEnough(kEnvelopeChosen, 2970, 98));
    EXPECT_EQ(envelopeFontMaxIncreases(kEnvelopeC6), 50);
    EXPECT_EQ(envelopeFontMaxIncreases(kEnvelopeChosen), 18);
}

TEST(EnvelopeSender, SmallerFontLinesFromTheLeftEdge)
{
    EXPECT_EQ(envelopeSenderFontSize(kEnvelopeC6, 15), 12);     // 12.0
    EXPECT_EQ(envelopeSenderFontSize(kEnvelopeDL, 25), 20);     // 20.0
    EXPECT_EQ(envelopeSenderFontSize(kEnvelopeChosen, 15), 10); // 10.5
    const QList<QByteArray> address{"Jan Kos", "", "00-950 Warszawa"};
    const QList<PlacedText> onA4 = envelopeSender(kEnvelopeC6, kPage, address, 41);
    const QList<PlacedText> expectedA4{{186, 1100, "Jan Kos"}, {186, 1141, ""}, {186, 1182, "00-950 Warszawa"}};
    EXPECT_EQ(onA4, expectedA4); // 2970 / 16 = 185.625
    const QList<PlacedText> chosen = envelopeSender(kEnvelopeChosen, kPage, address, 41);
    EXPECT_EQ(chosen[0].y, 262); // 262.5
    EXPECT_EQ(chosen[1].y, 304); // 303.5
    EXPECT_TRUE(envelopeSender(kEnvelopeC6, kPage, {}, 41).isEmpty());
}

TEST(UpperCase1250, PolishLettersIncluded)
{
    EXPECT_EQ(upperCase1250(cp("wólka źródło żółć")), cp("WÓLKA ŹRÓDŁO ŻÓŁĆ"));
    // Micro sign: its capital is not in the code page, so it stays.
    EXPECT_EQ(upperCase1250("a\xB5z"), "A\xB5Z");
}

} // namespace
