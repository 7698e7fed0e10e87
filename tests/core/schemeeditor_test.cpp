#include "schemeeditor.h"

#include "support.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourValue kRed = SchemeEditor::kEditedFrame;
constexpr ColourValue kGroup = SchemeEditor::kGroupFrame;
constexpr ColourValue kGrey = SchemeEditor::kUnusedSwatch;

// A scheme whose colours are all different, so a swatch's fill names its key.
ColorScheme numbered()
{
    ColorScheme s;
    ColourValue n = 0x010101;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        s.*k.colour = n++;
    return s;
}

// The frames of the eight swatches.
std::vector<ColourValue> frames(const SchemeEditor& editor)
{
    std::vector<ColourValue> list;
    for (int n = 1; n <= SchemeEditor::kSwatches; ++n)
        list.push_back(editor.swatch(n).frame);
    return list;
}

TEST(SchemeEditor, EachGroupShowsItsColoursAndEditsTheFirst)
{
    const ColorScheme s = numbered();
    const struct {
        ColourGroup group;
        const char* key;
        const char* description;
        std::vector<ColourValue> fills;
    } cases[] = {
        {ColourGroup::Window, "tlo_tlo", "Tło okna", {s.tlo_tlo, s.tlo_napisy}},
        {ColourGroup::Bars, "paski_tlo", "Kolor pionowych pasków", {s.paski_tlo, s.paski_ramka, s.paski_postep}},
        {ColourGroup::Buttons,
         "guziki_tlo",
         "Kolor guzików",
         {s.guziki_tlo, s.guziki_podswietlenie, s.guziki_down, s.guziki_ramka, s.guziki_tekst}},
        {ColourGroup::Fields,
         "ComboBox_tlo",
         "Kolor tła pól tekstowych i list",
         {s.ComboBox_tlo, s.ComboBox_podswietlenie, s.ComboBox_ramka, s.ComboBox_tlo_strzalki, s.ComboBox_strzalka,
          s.ComboBox_tekst1, s.ComboBox_tekst2, s.ComboBox_tekst3}},
    };
    for (const auto& c : cases) {
        SchemeEditor editor;
        editor.start(s);
        editor.chooseGroup(c.group);
        EXPECT_EQ(editor.currentKey(), c.key);
        EXPECT_EQ(editor.description(), QString::fromUtf8(c.description));
        for (int n = 1; n <= SchemeEditor::kSwatches; ++n) {
            const bool used = n <= int(c.fills.size());
            const SchemeEditor::Swatch expected{used ? c.fills[std::size_t(n - 1)] : kGrey, !used    ? kGrey
                                                                                            : n == 1 ? kRed
                                                                                                     : kGroup};
            EXPECT_EQ(editor.swatch(n), expected) << c.key << " swatch " << n;
        }
    }
}

TEST(SchemeEditor, SwatchesChooseWithinTheGroupOnly)
{
    SchemeEditor editor;
    editor.start(numbered());
    editor.chooseGroup(ColourGroup::Buttons);
    ASSERT_TRUE(editor.chooseSwatch(4));
    EXPECT_EQ(editor.currentKey(), "guziki_ramka");
    EXPECT_EQ(editor.description(), QString::fromUtf8("Obramowanie guzików"));
    EXPECT_EQ(editor.current(), numbered().guziki_ramka);
    EXPECT_EQ(editor.currentSwatch(), 4);
    EXPECT_EQ(frames(editor), std::vector<ColourValue>({kGroup, kGroup, kGroup, kRed, kGroup, kGrey, kGrey, kGrey}));

    editor.chooseGroup(ColourGroup::Bars);
    EXPECT_FALSE(editor.chooseSwatch(6));
    EXPECT_EQ(editor.currentKey(), "paski_tlo");
    EXPECT_EQ(editor.description(), QString::fromUtf8("Kolor pionowych pasków"));
}

TEST(SchemeEditor, PreviewEntriesEditTheirTextColours)
{
    const struct {
        int entry;
        const char* key;
        const char* description;
        int swatch;
    } cases[] = {
        {0, "ComboBox_tekst1", "Kolor tekstu list i pól edycyjnych", 6},
        {1, "ComboBox_tekst2", "Kolor tekstu dla jednorazowych przypomnień", 7},
        {2, "ComboBox_tekst3", "Kolor tekstu dla osób wykasowanych", 8},
    };
    for (const auto& c : cases) {
        SchemeEditor editor;
        editor.start(ColorScheme());
        editor.chooseGroup(ColourGroup::Fields);
        editor.choosePreviewEntry(c.entry);
        EXPECT_EQ(editor.currentKey(), c.key);
        EXPECT_EQ(editor.description(), QString::fromUtf8(c.description));
        std::vector<ColourValue> expected(8, kGroup);
        expected[std::size_t(c.swatch - 1)] = kRed;
        EXPECT_EQ(frames(editor), expected) << c.key;
    }
}

TEST(SchemeEditor, ANewColourGoesToTheEditedKeyOnly)
{
    SchemeEditor editor;
    editor.start(ColorScheme());
    editor.chooseGroup(ColourGroup::Fields);
    editor.choosePreviewEntry(1);
    editor.apply(0x00FF00);
    ColorScheme expected;
    expected.ComboBox_tekst2 = 0x00FF00;
    EXPECT_EQ(editor.scheme(), expected);
    EXPECT_EQ(editor.swatch(7).fill, 0x00FF00u);

    // A new session starts on the window colour and keeps the description of the last choice.
    editor.start(ColorScheme());
    EXPECT_EQ(editor.currentKey(), "tlo_tlo");
    EXPECT_EQ(editor.description(), QString::fromUtf8("Kolor tekstu dla jednorazowych przypomnień"));
    EXPECT_EQ(frames(editor), std::vector<ColourValue>({kRed, kGroup, kGrey, kGrey, kGrey, kGrey, kGrey, kGrey}));
}

} // namespace
