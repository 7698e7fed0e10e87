#include "schemecolours.h"

#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatGaugeUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "shape.h"

#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

// Every key a colour of its own, so a colour taken from the wrong key shows.
ColorScheme distinctScheme()
{
    ColorScheme s;
    std::uint32_t value = 0x102030;
    for (const ColorSchemeKey& key : colorSchemeKeys()) {
        s.*key.colour = value;
        value += 0x050403;
    }
    return s;
}

const ColorScheme kScheme = distinctScheme();

struct Expect {
    const char* what;
    TColor actual;
    TColor expected;
};

void check(std::initializer_list<Expect> expectations)
{
    for (const Expect& e : expectations)
        EXPECT_EQ(e.actual, e.expected) << e.what;
}

TEST(SchemeColours, EachControlKindTakesItsKeys)
{
    QWidget window;
    schemecolours::applyToWindow(&window, kScheme);

    TFlatSpeedButton button(&window);
    schemecolours::apply(&button, kScheme);
    TFlatEdit edit(&window);
    schemecolours::apply(&edit, kScheme, schemecolours::EditFont::Keep);
    TFlatMemo memo(&window);
    schemecolours::apply(&memo, kScheme);
    TZuboComboBox combo(&window);
    schemecolours::apply(&combo, kScheme);
    TFlatListBox list(&window);
    schemecolours::apply(&list, kScheme);
    TFlatCheckBox box(&window);
    schemecolours::apply(&box, kScheme);
    TFlatRadioButton radio(&window);
    schemecolours::apply(&radio, kScheme);
    TFlatGauge gauge(&window);
    schemecolours::apply(&gauge, kScheme);
    TShape bar(&window), frame(&window);
    schemecolours::applyToBar(&bar, kScheme);
    schemecolours::applyToFrame(&frame, kScheme);

    const ColorScheme& s = kScheme;
    check({
        {"window", WidgetColor(&window), s.tlo_tlo},
        {"window text", FontColor(&window), s.tlo_napisy},
        {"button face", button.Color(), s.guziki_tlo},
        {"button hover", button.ColorFocused(), s.guziki_podswietlenie},
        {"button border", button.ColorBorder(), s.guziki_ramka},
        {"button down", button.ColorDown(), s.guziki_down},
        {"button text", FontColor(&button), s.guziki_tekst},
        {"edit", edit.ColorFlat(), s.ComboBox_tlo},
        {"edit focus", edit.ColorFocused(), s.ComboBox_podswietlenie},
        {"edit border", edit.ColorBorder(), s.ComboBox_ramka},
        {"memo", memo.ColorFlat(), s.ComboBox_tlo},
        {"memo focus", memo.ColorFocused(), s.ComboBox_podswietlenie},
        {"memo border", memo.ColorBorder(), s.ComboBox_ramka},
        {"combo", combo.Color(), s.ComboBox_tlo},
        {"combo arrow", combo.ColorArrow(), s.ComboBox_strzalka},
        {"combo arrow background", combo.ColorArrowBackground(), s.ComboBox_tlo_strzalki},
        {"combo border", combo.ColorBorder(), s.ComboBox_ramka},
        {"combo text", FontColor(&combo), s.ComboBox_tekst1},
        {"list body", list.Color(), s.ComboBox_tlo_strzalki},
        {"list arrow", list.ColorArrow(), s.ComboBox_strzalka},
        {"list border", list.ColorBorder(), s.ComboBox_ramka},
        {"list rows", list.ColorItemsRect(), s.ComboBox_tlo},
        {"list selected row", list.ColorItemsSelect(), s.ComboBox_podswietlenie},
        {"list text", FontColor(&list), s.ComboBox_tekst1},
        {"check border", box.ColorBorder(), s.tlo_napisy},
        {"check hover", box.ColorFocused(), s.guziki_podswietlenie},
        {"check down", box.ColorDown(), s.guziki_down},
        {"check mark", box.ColorCheck(), s.tlo_napisy},
        {"radio dot", radio.ColorDot(), s.tlo_napisy},
        {"radio hover", radio.ColorFocused(), s.guziki_podswietlenie},
        {"gauge", gauge.Color(), s.paski_tlo},
        {"gauge border", gauge.BorderColor(), s.paski_ramka},
        {"gauge bar", gauge.BarColor(), s.paski_postep},
        {"bar fill", bar.BrushColor(), s.paski_tlo},
        {"bar outline", bar.PenColor(), s.paski_ramka},
        {"frame outline", frame.PenColor(), s.tlo_napisy},
    });
}

TEST(SchemeColours, EditsTakeTheFontOnlyWhenTheirWindowSaysSo)
{
    TFlatEdit keep, scheme;
    SetFontColor(&keep, clMaroon);
    schemecolours::apply(&keep, kScheme, schemecolours::EditFont::Keep);
    schemecolours::apply(&scheme, kScheme, schemecolours::EditFont::FromScheme);
    EXPECT_EQ(FontColor(&keep), clMaroon);
    EXPECT_EQ(FontColor(&scheme), kScheme.ComboBox_tekst1);
}

TEST(Shape, DrawsItsOutlineInsideAndFillsTheRest)
{
    TShape bar;
    bar.resize(17, 40);
    bar.SetBrushColor(0x004080);
    bar.SetPenColor(0x000000);
    QWidget back;
    back.resize(40, 40);
    SetWidgetColor(&back, clWhite);
    TShape frame(&back);
    frame.resize(30, 30);
    frame.SetFilled(false);
    frame.SetPenWidth(3);
    frame.SetPenColor(0x0000FF);

    const QImage b = bar.grab().toImage();
    EXPECT_EQ(b.pixelColor(0, 0), toQColor(0x000000));
    EXPECT_EQ(b.pixelColor(16, 39), toQColor(0x000000));
    EXPECT_EQ(b.pixelColor(8, 20), toQColor(0x004080));

    const QImage f = back.grab().toImage();
    EXPECT_EQ(f.pixelColor(2, 15), toQColor(0x0000FF));
    EXPECT_EQ(f.pixelColor(27, 15), toQColor(0x0000FF));
    EXPECT_EQ(f.pixelColor(3, 15), QColor(Qt::white)) << "no fill inside a frame";
}

} // namespace
