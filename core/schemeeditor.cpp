#include "schemeeditor.h"

#include <array>

namespace {

struct SwatchColour {
    const char* key = nullptr; // null: the group has no such swatch
    const char* description = nullptr;
};

struct GroupInfo {
    ColourGroup group;
    const char* description;
    std::array<SwatchColour, SchemeEditor::kSwatches> swatches;
};

const std::array<GroupInfo, 4> kGroups = {{
    {ColourGroup::Window, "Tło okna", {{{"tlo_tlo", "Tło okna"}, {"tlo_napisy", "Kolor napisów informacyjnych"}}}},
    {ColourGroup::Bars,
     "Kolor pionowych pasków",
     {{{"paski_tlo", "Kolor pionowych pasków"},
       {"paski_ramka", "Obramowanie pionowych pasków"},
       {"paski_postep", "Pasek postępu"}}}},
    {ColourGroup::Buttons,
     "Kolor guzików",
     {{{"guziki_tlo", "Kolor guzików"},
       {"guziki_podswietlenie", "Guziki po najechaniu kursorem"},
       {"guziki_down", "Guziki przy kliknięciu"},
       {"guziki_ramka", "Obramowanie guzików"},
       {"guziki_tekst", "Kolor tekstu guzików"}}}},
    {ColourGroup::Fields,
     "Kolor tła pól tekstowych i list",
     {{{"ComboBox_tlo", "Tło pól tekstowych"},
       {"ComboBox_podswietlenie", "Wybrane pole tekstowe lub pozycja listy"},
       {"ComboBox_ramka", "Obramowanie pól tekstowych i list"},
       {"ComboBox_tlo_strzalki", "Kolory tła strzałek list"},
       {"ComboBox_strzalka", "Kolory strzałek list"},
       {"ComboBox_tekst1", "Kolor tekstu pól edycyjnych i list"},
       {"ComboBox_tekst2", "Kolor tekstu dla jednorazowego przypomnienia"},
       {"ComboBox_tekst3", "Kolor tekstu dla osób wykasowanych"}}}},
}};

// The person chooser's entries: their text colours and how the editor names them.
const std::array<SwatchColour, 3> kPreviewEntries = {{
    {"ComboBox_tekst1", "Kolor tekstu list i pól edycyjnych"},
    {"ComboBox_tekst2", "Kolor tekstu dla jednorazowych przypomnień"},
    {"ComboBox_tekst3", "Kolor tekstu dla osób wykasowanych"},
}};

const GroupInfo& infoOf(ColourGroup group)
{
    return kGroups[std::size_t(group)];
}

ColourGroup groupOfKey(const QByteArray& key)
{
    if (key.contains("ComboBox"))
        return ColourGroup::Fields;
    if (key.startsWith("guziki_"))
        return ColourGroup::Buttons;
    if (key.startsWith("paski_"))
        return ColourGroup::Bars;
    return ColourGroup::Window;
}

ColourValue ColorScheme::*memberOf(const QByteArray& key)
{
    for (const ColorSchemeKey& k : colorSchemeKeys()) {
        if (key == k.key)
            return k.colour;
    }
    return &ColorScheme::tlo_tlo;
}

} // namespace

void SchemeEditor::start(const ColorScheme& scheme)
{
    m_scheme = scheme;
    m_key = infoOf(ColourGroup::Window).swatches[0].key;
}

ColourGroup SchemeEditor::group() const
{
    return groupOfKey(m_key);
}

void SchemeEditor::chooseGroup(ColourGroup group)
{
    const GroupInfo& info = infoOf(group);
    m_key = info.swatches[0].key;
    m_description = QString::fromUtf8(info.description);
}

bool SchemeEditor::chooseSwatch(int n)
{
    if (n < 1 || n > kSwatches)
        return false;
    const SwatchColour& swatch = infoOf(group()).swatches[std::size_t(n - 1)];
    if (!swatch.key)
        return false;
    m_key = swatch.key;
    m_description = QString::fromUtf8(swatch.description);
    return true;
}

void SchemeEditor::choosePreviewEntry(int index)
{
    if (index < 0 || index >= int(kPreviewEntries.size()))
        return;
    m_key = kPreviewEntries[std::size_t(index)].key;
    m_description = QString::fromUtf8(kPreviewEntries[std::size_t(index)].description);
}

ColourValue SchemeEditor::current() const
{
    return m_scheme.*memberOf(m_key);
}

int SchemeEditor::currentSwatch() const
{
    const auto& swatches = infoOf(group()).swatches;
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        if (swatches[i].key && m_key == swatches[i].key)
            return int(i) + 1;
    }
    return 1;
}

void SchemeEditor::apply(ColourValue colour)
{
    m_scheme.*memberOf(m_key) = colour;
}

SchemeEditor::Swatch SchemeEditor::swatch(int n) const
{
    if (n < 1 || n > kSwatches)
        return {};
    const SwatchColour& colour = infoOf(group()).swatches[std::size_t(n - 1)];
    if (!colour.key)
        return {};
    return {m_scheme.*memberOf(colour.key), m_key == colour.key ? kEditedFrame : kGroupFrame};
}
