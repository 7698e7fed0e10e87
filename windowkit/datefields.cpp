#include "datefields.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "ZuboComboBox.h"
#include "codec1250.h"
#include "messages.h"

namespace {

TZuboComboBox* newDateList(QWidget* parent, const QStringList& items)
{
    auto* list = new TZuboComboBox(parent, csDropDownList);
    list->SetItems(items);
    list->setMaxVisibleItems(int(items.size()));
    list->setCurrentIndex(-1);
    return list;
}

void select(TZuboComboBox* combo, int index)
{
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

TZuboComboBox* newDayList(QWidget* parent)
{
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    return newDateList(parent, days);
}

TZuboComboBox* newMonthList(QWidget* parent)
{
    QStringList months;
    for (const QByteArray& month : MonthNames())
        months << cp1250::toUnicode(month);
    return newDateList(parent, months);
}

void selectDate(TZuboComboBox* day, TZuboComboBox* month, const DaySelection& date)
{
    select(day, date.day);
    select(month, date.month);
}

DaySelection selectedDate(const TZuboComboBox* day, const TZuboComboBox* month)
{
    return {day->currentIndex(), month->currentIndex()};
}

int lastSelectedRow(const TFlatListBox* list)
{
    for (int row = int(list->Items().size()) - 1; row >= 0; --row) {
        if (list->GetSelected(row))
            return row;
    }
    return -1;
}

std::optional<OccasionFields> pickOccasion(const TFlatListBox* list, TFlatEdit* description, TFlatEdit* year,
                                           TZuboComboBox* day, TZuboComboBox* month)
{
    const int row = lastSelectedRow(list);
    if (row < 0)
        return std::nullopt;
    const OccasionFields fields = occasionFields(cp1250::fromUnicode(list->Items().at(row)).value_or(QByteArray()));
    description->setText(cp1250::toUnicode(fields.description));
    year->setText(cp1250::toUnicode(fields.year));
    if (fields.date)
        selectDate(day, month, *fields.date);
    return fields;
}
