#pragma once

#include "shownperson.h"

class QWidget;
class TFlatEdit;
class TFlatListBox;
class TZuboComboBox;

// The date fields that the main window and the entry editor share: the day and month lists, and
// the occasion list whose picked row fills the occasion's own fields.

// Day lists hold "1" to "31", month lists the twelve genitive month names; both start with no
// selection and show every item when dropped down.
TZuboComboBox* newDayList(QWidget* parent);
TZuboComboBox* newMonthList(QWidget* parent);

// Selects a day and a month from code, which raises no change; an index outside a list selects
// nothing in it.
void selectDate(TZuboComboBox* day, TZuboComboBox* month, const DaySelection& date);
// The day and month selected; -1 in a list without a selection.
DaySelection selectedDate(const TZuboComboBox* day, const TZuboComboBox* month);

// The selected row of a list: the last one when several are selected, -1 when none is.
int lastSelectedRow(const TFlatListBox* list);

// Copies the picked row of an occasion list (the last selected one) into the occasion's
// description, year, day and month; a row without a date, written by hand, leaves the day and
// month as they are. Nothing happens without a picked row, and then nothing is returned.
std::optional<OccasionFields> pickOccasion(const TFlatListBox* list, TFlatEdit* description, TFlatEdit* year,
                                           TZuboComboBox* day, TZuboComboBox* month);
