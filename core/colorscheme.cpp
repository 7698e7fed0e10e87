#include "colorscheme.h"

#include "numbers.h"
#include "profilefile.h"
#include "settings.h"

namespace {

const std::array<ColorSchemeKey, 18> kKeys = {{
    {"tlo_tlo", &ColorScheme::tlo_tlo, 1},
    {"tlo_napisy", &ColorScheme::tlo_napisy, 2},
    {"paski_tlo", &ColorScheme::paski_tlo, 3},
    {"paski_ramka", &ColorScheme::paski_ramka, 4},
    {"paski_postep", &ColorScheme::paski_postep, 5},
    {"guziki_tlo", &ColorScheme::guziki_tlo, 6},
    {"guziki_ramka", &ColorScheme::guziki_ramka, 9},
    {"guziki_podswietlenie", &ColorScheme::guziki_podswietlenie, 7},
    {"guziki_down", &ColorScheme::guziki_down, 8},
    {"guziki_tekst", &ColorScheme::guziki_tekst, 10},
    {"ComboBox_tlo", &ColorScheme::ComboBox_tlo, 11},
    {"ComboBox_podswietlenie", &ColorScheme::ComboBox_podswietlenie, 12},
    {"ComboBox_ramka", &ColorScheme::ComboBox_ramka, 13},
    {"ComboBox_tlo_strzalki", &ColorScheme::ComboBox_tlo_strzalki, 14},
    {"ComboBox_strzalka", &ColorScheme::ComboBox_strzalka, 15},
    {"ComboBox_tekst1", &ColorScheme::ComboBox_tekst1, 16},
    {"ComboBox_tekst2", &ColorScheme::ComboBox_tekst2, 17},
    {"ComboBox_tekst3", &ColorScheme::ComboBox_tekst3, 18},
}};

// The first ten keys default to their built-in values, the rest to the values in memory.
constexpr int kKeysWithBuiltInDefault = 10;

constexpr struct {
    const char* name;
    ColourValue value;
} kColourNames[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
};

} // namespace

const std::array<ColorSchemeKey, 18>& colorSchemeKeys()
{
    return kKeys;
}

QByteArray colourToText(ColourValue colour)
{
    for (const auto& named : kColourNames) {
        if (named.value == colour)
            return named.name;
    }
    return '$' + QByteArray::number(colour, 16).toUpper().rightJustified(8, '0');
}

std::optional<ColourValue> colourFromText(const QByteArray& text)
{
    for (const auto& named : kColourNames) {
        if (text.compare(named.name, Qt::CaseInsensitive) == 0)
            return named.value;
    }
    if (const auto value = toInteger(text))
        return ColourValue(*value);
    return std::nullopt;
}

ColorScheme readColorScheme(const ProfileFile& opcje, const ColorScheme& current)
{
    const ColorScheme builtIn;
    ColorScheme scheme = current;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const ColorSchemeKey& k = kKeys[i];
        const ColourValue fallback = i < kKeysWithBuiltInDefault ? builtIn.*k.colour : current.*k.colour;
        const QByteArray text = opcje.readString(opcje::kSectionColours, k.key, colourToText(fallback));
        // A bad value once stopped the whole reading with an English error box, the keys after it
        // unread and the windows left in colours that could hide their text.
        scheme.*k.colour = colourFromText(text).value_or(fallback);
    }
    return scheme;
}

bool writeColorScheme(ProfileFile& opcje, const ColorScheme& scheme, QString* error)
{
    ProfileFile::KeyValues values;
    for (const ColorSchemeKey& k : kKeys)
        values.append({k.key, colourToText(scheme.*k.colour)});
    return opcje.writeStrings(opcje::kSectionColours, values, error);
}
