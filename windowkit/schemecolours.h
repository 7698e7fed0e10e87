#pragma once

#include "colorscheme.h"

class QWidget;
class TFlatCheckBox;
class TFlatEdit;
class TFlatGauge;
class TFlatListBox;
class TFlatMemo;
class TFlatRadioButton;
class TFlatSpeedButton;
class TShape;
class TZuboComboBox;

// The one rule by which the colour scheme goes onto each kind of control. Every window of both
// programs colours itself through these functions; a window's own list says which of its controls
// take which rule.
namespace schemecolours {

// The window or panel itself: background `tlo_tlo`, text `tlo_napisy`.
void applyToWindow(QWidget* window, const ColorScheme& s);
// A vertical bar: fill `paski_tlo`, outline `paski_ramka`.
void applyToBar(TShape* bar, const ColorScheme& s);
// A frame or separator line: outline `tlo_napisy`.
void applyToFrame(TShape* frame, const ColorScheme& s);
// A label whose font the window sets: `tlo_napisy`.
void applyToLabel(QWidget* label, const ColorScheme& s);

void apply(TFlatSpeedButton* button, const ColorScheme& s);
// Edits take the font colour `ComboBox_tekst1` only where their window says so.
enum class EditFont { Keep, FromScheme };
void apply(TFlatEdit* edit, const ColorScheme& s, EditFont font);
void apply(TFlatMemo* memo, const ColorScheme& s);
void apply(TZuboComboBox* combo, const ColorScheme& s);
void apply(TFlatListBox* list, const ColorScheme& s);
void apply(TFlatCheckBox* box, const ColorScheme& s);
void apply(TFlatRadioButton* button, const ColorScheme& s);
void apply(TFlatGauge* gauge, const ColorScheme& s);
// The class library's plain lists (list box, folder list, drive list): `ComboBox_tlo`, text
// `ComboBox_tekst1`.
void applyToPlainList(QWidget* list, const ColorScheme& s);

} // namespace schemecolours
