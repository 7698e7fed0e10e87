#include "colorscheme.h"

#include "profilefile.h"
#include "settings.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ColourText, WritesNamesAndEightHexDigits)
{
    const struct {
        ColourValue colour;
        const char* text;
    } cases[] = {
        {0x000000, "clBlack"},     {0x0000FF, "clRed"},       {0xA4A0A0, "clMedGray"},
        {0xF0CAA6, "clSkyBlue"},   {0x80000005, "clWindow"},  {0x80000000, "clScrollBar"},
        {0x20000000, "clDefault"}, {0x1FFFFFFF, "clNone"},    {0x8000001C, "clGradientInactiveCaption"},
        {0x60B3FD, "$0060B3FD"},   {0x004080, "$00004080"},   {0x80000030, "$80000030"},
        {0xFFFFFFFF, "$FFFFFFFF"}, {0x0000000F, "$0000000F"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colourToText(c.colour), c.text) << c.text;
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text;
    }
}

TEST(ColourText, ReadsNamesInAnyCaseAndIntegers)
{
    const struct {
        const char* text;
        std::optional<ColourValue> colour;
    } cases[] = {
        {"clMedGray", 0xA4A0A0},    {"CLMEDGRAY", 0xA4A0A0},      {"$00A4A0A0", 0xA4A0A0}, {"10789024", 0xA4A0A0},
        {"$a4a0a0", 0xA4A0A0},      {"clwindowtext", 0x80000008}, {"-1", 0xFFFFFFFF},      {"-2147483648", 0x80000000},
        {"", std::nullopt},         {"red", std::nullopt},        {"$", std::nullopt},     {"12ab", std::nullopt},
        {"cl Black", std::nullopt}, {"4294967295", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text;
}

TEST(ColorScheme, KeepsItsKeysInKeyAndStorageOrder)
{
    QList<QByteArray> keyOrder;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        keyOrder.append(k.key);
    EXPECT_EQ(keyOrder,
              QList<QByteArray>({"tlo_tlo", "tlo_napisy", "paski_tlo", "paski_ramka", "paski_postep", "guziki_tlo",
                                 "guziki_ramka", "guziki_podswietlenie", "guziki_down", "guziki_tekst", "ComboBox_tlo",
                                 "ComboBox_podswietlenie", "ComboBox_ramka", "ComboBox_tlo_strzalki",
                                 "ComboBox_strzalka", "ComboBox_tekst1", "ComboBox_tekst2", "ComboBox_tekst3"}));

    auto keys = colorSchemeKeys();
    std::sort(keys.begin(), keys.end(),
              [](const ColorSchemeKey& a, const ColorSchemeKey& b) { return a.storagePosition < b.storagePosition; });
    QList<QByteArray> storageOrder;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].storagePosition, int(i) + 1);
        storageOrder.append(keys[i].key);
    }
    // Only the three button colours stand elsewhere; the eight the colour editor copies do not move.
    EXPECT_EQ(storageOrder.mid(6, 3), QList<QByteArray>({"guziki_podswietlenie", "guziki_down", "guziki_ramka"}));
    EXPECT_EQ(storageOrder.mid(10), keyOrder.mid(10));
}

ColorScheme edited()
{
    ColorScheme s;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        s.*k.colour = 0x123456;
    return s;
}

TEST(ReadColorScheme, MissingKeysGiveBuiltInsFirstAndTheValuesInMemoryLast)
{
    TempDir dir;
    const ProfileFile none(settingsPathIn(dir.path()));
    const ColorScheme scheme = readColorScheme(none, edited());
    const ColorScheme builtIn;
    int i = 0;
    for (const ColorSchemeKey& k : colorSchemeKeys()) {
        EXPECT_EQ(scheme.*k.colour, i < 10 ? builtIn.*k.colour : 0x123456u) << k.key;
        ++i;
    }
    EXPECT_EQ(readColorScheme(none, ColorScheme()), ColorScheme());
}

TEST(ReadColorScheme, ReadsEveryFormByKeyName)
{
    TempDir dir;
    dir.write("opcje.ini", crlf({"[kolory]", "TLO_TLO=clRed", "tlo_napisy=$00FFFFFF", "ComboBox_tekst3=255",
                                 "guziki_ramka = clnavy "}));
    const ColorScheme scheme = readColorScheme(ProfileFile(settingsPathIn(dir.path())), ColorScheme());
    ColorScheme expected;
    expected.tlo_tlo = 0x0000FF;
    expected.tlo_napisy = 0xFFFFFF;
    expected.ComboBox_tekst3 = 0x0000FF;
    expected.guziki_ramka = 0x800000;
    EXPECT_EQ(scheme, expected);
}

TEST(ReadColorScheme, AValueThatIsNoColourCountsAsMissingAndTheOtherKeysAreStillRead)
{
    TempDir dir;
    // Bad values among the first ten keys and among the last eight, an empty one included, each
    // before keys that are fine.
    dir.write("opcje.ini",
              crlf({"[kolory]", "tlo_tlo=pomarańczowy", "tlo_napisy=clWhite", "paski_postep=12ab", "guziki_tlo=clLime",
                    "ComboBox_tlo=", "ComboBox_ramka=clAqua", "ComboBox_tekst3=$", "guziki_tekst=clYellow"}));
    const ColorScheme current = edited();
    const ColorScheme scheme = readColorScheme(ProfileFile(settingsPathIn(dir.path())), current);
    ColorScheme expected = current;
    for (std::size_t i = 0; i < 10; ++i)
        expected.*colorSchemeKeys()[i].colour = ColorScheme().*colorSchemeKeys()[i].colour;
    expected.tlo_napisy = 0xFFFFFF;
    expected.guziki_tlo = 0x00FF00;
    expected.guziki_tekst = 0x00FFFF;
    expected.ComboBox_ramka = 0xFFFF00;
    EXPECT_EQ(scheme, expected);
}

TEST(WriteColorScheme, WritesAllEighteenKeysInKeyOrderAndReadsBack)
{
    TempDir dir;
    dir.write("opcje.ini",
              crlf({"[opcje]", "baza_1=jest", "[kolory]", "guziki_tekst=clLime", "[jezyk]", "nazwa=Polski"}));
    ProfileFile opcje(settingsPathIn(dir.path()));
    ColorScheme scheme;
    scheme.tlo_tlo = 0x0000FF;
    scheme.ComboBox_tlo_strzalki = 0x60B3FD;
    QString error;
    ASSERT_TRUE(writeColorScheme(opcje, scheme, &error));
    // A key already in the file keeps its place, the others follow it in key order; the other
    // sections stay as they were.
    EXPECT_EQ(dir.read("opcje.ini"), crlf({"[opcje]",
                                           "baza_1=jest",
                                           "[kolory]",
                                           "guziki_tekst=clBlack",
                                           "tlo_tlo=clRed",
                                           "tlo_napisy=clBlack",
                                           "paski_tlo=$00004080",
                                           "paski_ramka=clBlack",
                                           "paski_postep=$000080FF",
                                           "guziki_tlo=clMedGray",
                                           "guziki_ramka=$00000040",
                                           "guziki_podswietlenie=$000080FF",
                                           "guziki_down=$000063C6",
                                           "ComboBox_tlo=$00EDFBFE",
                                           "ComboBox_podswietlenie=$0060B3FD",
                                           "ComboBox_ramka=$00000040",
                                           "ComboBox_tlo_strzalki=$0060B3FD",
                                           "ComboBox_strzalka=clMaroon",
                                           "ComboBox_tekst1=$00000040",
                                           "ComboBox_tekst2=clBlue",
                                           "ComboBox_tekst3=$00606060",
                                           "[jezyk]",
                                           "nazwa=Polski"}));
    EXPECT_EQ(readColorScheme(opcje, ColorScheme()), scheme);
}

TEST(WriteColorScheme, AFailedWriteLeavesTheFileAsItWas)
{
    TempDir dir;
    const QByteArray before = crlf({"[kolory]", "tlo_tlo=clLime"});
    dir.write("opcje.ini", before);
    FailingFileWriter full(40);
    ProfileFile opcje(settingsPathIn(dir.path()), full);
    ColorScheme scheme;
    scheme.tlo_tlo = 0x0000FF;
    scheme.tlo_napisy = 0xFFFFFF;
    QString error;
    EXPECT_FALSE(writeColorScheme(opcje, scheme, &error));
    EXPECT_EQ(error, QStringLiteral("Unable to write to %1").arg(settingsPathIn(dir.path())));
    // No key of the new scheme reached the file, not even the first ones.
    EXPECT_EQ(dir.read("opcje.ini"), before);
}

} // namespace
