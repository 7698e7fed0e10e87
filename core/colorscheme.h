#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class ProfileFile;

// A colour as stored: $00BBGGRR, or a system colour $80000000 + its number.
using ColourValue = std::uint32_t;

// The eighteen colours every window of both programs is painted in, kept in section "kolory" of
// the settings file one key per colour. The members stand in key order with their built-in values.
struct ColorScheme {
    ColourValue tlo_tlo = 0xA4A0A0;
    ColourValue tlo_napisy = 0x000000;
    ColourValue paski_tlo = 0x004080;
    ColourValue paski_ramka = 0x000000;
    ColourValue paski_postep = 0x0080FF;
    ColourValue guziki_tlo = 0xA4A0A0;
    ColourValue guziki_ramka = 0x000040;
    ColourValue guziki_podswietlenie = 0x0080FF;
    ColourValue guziki_down = 0x0063C6;
    ColourValue guziki_tekst = 0x000000;
    ColourValue ComboBox_tlo = 0xEDFBFE;
    ColourValue ComboBox_podswietlenie = 0x60B3FD;
    ColourValue ComboBox_ramka = 0x000040;
    ColourValue ComboBox_tlo_strzalki = 0x60B3FD;
    ColourValue ComboBox_strzalka = 0x000080;
    ColourValue ComboBox_tekst1 = 0x000040;
    ColourValue ComboBox_tekst2 = 0xFF0000;
    ColourValue ComboBox_tekst3 = 0x606060;

    bool operator==(const ColorScheme&) const = default;
};

struct ColorSchemeKey {
    const char* key;
    ColourValue ColorScheme::*colour;
    // 1-based place in the scheme's storage order, which code copying the scheme by position uses.
    // It differs from the key order for three button colours.
    int storagePosition;
};

// The keys in key order, the order in which they are read.
const std::array<ColorSchemeKey, 18>& colorSchemeKeys();

// The colour text form: a colour of the name table is written as its name, any other as "$" and
// eight upper-case hexadecimal digits.
QByteArray colourToText(ColourValue colour);

// Reads a name of the table (without regard to ASCII case), else a 32-bit integer, decimal or
// hexadecimal after "$"; nothing when the text is neither.
std::optional<ColourValue> colourFromText(const QByteArray& text);

// Reads section "kolory" on top of `current`. A missing key takes its built-in value for the first
// ten keys and the value `current` holds for the last eight (those the colour editor edits). A value
// that is no colour counts as missing, silently: one mistyped key costs that key alone, never the
// rest of the scheme.
ColorScheme readColorScheme(const ProfileFile& opcje, const ColorScheme& current);

// Writes all eighteen keys of section "kolory" in key order, in the colour text form, in one
// replacement of the settings file: a failed write leaves the file as it was and sets `error`
// ("Unable to write to" and the path).
bool writeColorScheme(ProfileFile& opcje, const ColorScheme& scheme, QString* error);
