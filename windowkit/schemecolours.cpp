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

namespace schemecolours {
namespace {

// Check boxes and radio buttons share their colour indexes: 0 hover, 1 pressed, 2 mark, 3 border.
void applyToMark(TFlatMarkControl* mark, const ColorScheme& s)
{
    mark->SetIndexedColor(3, s.tlo_napisy);
    mark->SetIndexedColor(0, s.guziki_podswietlenie);
    mark->SetIndexedColor(1, s.guziki_down);
    mark->SetIndexedColor(2, s.tlo_napisy);
}

} // namespace

void applyToWindow(QWidget* window, const ColorScheme& s)
{
    SetWidgetColor(window, s.tlo_tlo);
    SetFontColor(window, s.tlo_napisy);
}

void applyToBar(TShape* bar, const ColorScheme& s)
{
    bar->SetBrushColor(s.paski_tlo);
    bar->SetPenColor(s.paski_ramka);
}

void applyToFrame(TShape* frame, const ColorScheme& s)
{
    frame->SetPenColor(s.tlo_napisy);
}

void applyToLabel(QWidget* label, const ColorScheme& s)
{
    SetFontColor(label, s.tlo_napisy);
}

void apply(TFlatSpeedButton* button, const ColorScheme& s)
{
    button->SetColor(s.guziki_tlo);
    button->SetColorFocused(s.guziki_podswietlenie);
    button->SetColorBorder(s.guziki_ramka);
    button->SetColorDown(s.guziki_down);
    SetFontColor(button, s.guziki_tekst);
}

void apply(TFlatEdit* edit, const ColorScheme& s, EditFont font)
{
    edit->SetColorFlat(s.ComboBox_tlo);
    edit->SetColorFocused(s.ComboBox_podswietlenie);
    edit->SetColorBorder(s.ComboBox_ramka);
    if (font == EditFont::FromScheme)
        SetFontColor(edit, s.ComboBox_tekst1);
}

void apply(TFlatMemo* memo, const ColorScheme& s)
{
    memo->SetColorFocused(s.ComboBox_podswietlenie);
    memo->SetColorBorder(s.ComboBox_ramka);
    memo->SetColorFlat(s.ComboBox_tlo);
}

void apply(TZuboComboBox* combo, const ColorScheme& s)
{
    combo->SetColor(s.ComboBox_tlo);
    combo->SetColorArrow(s.ComboBox_strzalka);
    combo->SetColorArrowBackground(s.ComboBox_tlo_strzalki);
    combo->SetColorBorder(s.ComboBox_ramka);
    SetFontColor(combo, s.ComboBox_tekst1);
}

void apply(TFlatListBox* list, const ColorScheme& s)
{
    list->SetColor(s.ComboBox_tlo_strzalki);
    list->SetIndexedColor(0, s.ComboBox_strzalka);
    list->SetIndexedColor(1, s.ComboBox_ramka);
    list->SetIndexedColor(2, s.ComboBox_tlo);
    list->SetIndexedColor(3, s.ComboBox_podswietlenie);
    SetFontColor(list, s.ComboBox_tekst1);
}

void apply(TFlatCheckBox* box, const ColorScheme& s)
{
    applyToMark(box, s);
}

void apply(TFlatRadioButton* button, const ColorScheme& s)
{
    applyToMark(button, s);
}

void apply(TFlatGauge* gauge, const ColorScheme& s)
{
    gauge->SetColor(s.paski_tlo);
    gauge->SetIndexedColor(0, s.paski_ramka);
    gauge->SetIndexedColor(1, s.paski_postep);
}

void applyToPlainList(QWidget* list, const ColorScheme& s)
{
    SetWidgetColor(list, s.ComboBox_tlo);
    SetFontColor(list, s.ComboBox_tekst1);
    // Item views paint their rows with the Base role.
    QPalette p = list->palette();
    p.setColor(QPalette::Base, toQColor(s.ComboBox_tlo));
    p.setColor(QPalette::Text, toQColor(s.ComboBox_tekst1));
    list->setPalette(p);
}

} // namespace schemecolours
