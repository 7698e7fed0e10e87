#pragma once

#include "clock.h"
#include "namedays.h"
#include "programstate.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPainter;
class QToolButton;
class TFlatEdit;
class TFlatHint;
class TFlatListBox;
class TFlatSpeedButton;
class TShape;
class TStringGrid;
class TZuboComboBox;

// The name-day window: whose name day falls on a date chosen in a day grid and a month list
// (today's when the window opens), and on which days the typed names are celebrated.
namespace imieniny {

class TForm12 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the program folder, the colours, the messages and the last click in the phone
    // list; `clock` today and the ticks of the double click.
    explicit TForm12(ProgramState& state, const Clock& clock = Clock::standard(), QWidget* parent = nullptr);

    // The main window's lookup: the window without its choose button "W".
    void ShowLookup();
    // The editor's choice of a name day: the days of `name` are searched and shown with "W"; the
    // hit chosen, or nothing when the window closed without a choice (the hits then stay for the
    // next show).
    std::optional<NameDayHit> PickNameDay(const QString& name);

    // What a click on the search button does.
    void RunNameSearch();

    // The hits of the last search, one per row of the hit list.
    const QList<NameDayHit>& Hits() const { return m_hits; }
    // The hit chosen by the last click in the hit list, or when the window closed with OK; -1 for
    // none.
    int PickedIndex() const { return m_pickedIndex; }

    // Handlers.
    void FormShow();
    void FlatComboBox1Change();
    void StringGrid1SelectCell(int col, int row);
    void StringGrid1DrawCell(QPainter* canvas, int col, int row, const QRect& rect, bool selected);
    void SpeedButton1Click();
    void FlatListBox1MouseUp();
    void FlatSpeedButton3Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    QLabel* Label1; // "Dzisiaj są imieniny:" or the chosen day
    QLabel* Label2; // principal names
    QLabel* Label3; // "oraz"
    QLabel* Label4; // further names
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    TFlatEdit* FlatEdit1;               // the names to search
    QToolButton* SpeedButton1;          // runs the search
    TZuboComboBox* ZuboComboBox1;       // the month
    TStringGrid* StringGrid1;           // the days
    TFlatListBox* FlatListBox1;         // the hits
    TFlatSpeedButton* FlatSpeedButton3; // "W"
    TFlatSpeedButton* FlatSpeedButton1; // "X"
    TShape* Shape1;
    TShape* Shape2;
    TFlatHint* FlatHint1;

    NameDayData data() const;
    void reportError(const std::optional<NameDayFileError>& error) const;
    void selectDay(int day);
    void setLastRow(int monthIndex);
    // The names of the grid's current day in the chosen month.
    void showCurrentDay();
    void showNames(const DayNames& names);

    ProgramState& m_state;
    const Clock& m_clock;
    QList<NameDayHit> m_hits;
    int m_pickedIndex = -1;
    int m_lastPickedIndex = -1;
    // 1234 (kKeepResults): the next show keeps the hit list and the name field.
    int m_keepResults = 0;
};

} // namespace imieniny
