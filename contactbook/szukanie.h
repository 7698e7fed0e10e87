#pragma once

#include "personsearch.h"
#include "programstate.h"

#include <QDialog>

#include <array>

class QLabel;
class TFlatEdit;
class TFlatHint;
class TFlatListBox;
class TFlatRadioButton;
class TFlatSpeedButton;
class TShape;

// The search window: up to twelve texts combined by AND or OR, limited to chosen groups; the hits
// replace the main window's person list.
namespace szukanie {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the data folders searched, `list` (the main window's) takes the hits; both must
    // outlive the window.
    TForm7(const ProgramState& state, PersonListOwner& list, QWidget* parent = nullptr);

    // The main window's search command: empties the twelve fields, lists the main window's group
    // rows with "Wszystko" chosen and shows the window modally. The AND/OR choice stays.
    void ShowSearch();

    // Runs the search: a message when every field is empty (the window stays open), another when
    // nothing is found (the window closes with Cancel); else the hits go to the main window and the
    // window closes with OK.
    void RunSearch();

    // FlatEdit1..FlatEdit12 by number, in the order of searchCriteria(); FlatEdit[0] is unused.
    // Label1..Label15 by number; Label[0] is unused.
    // The connecting lines: Shape1 and Shape3..Shape13 by number; Shape[0] and Shape[2] are unused.

    // Colours the window from the scheme; runs each time it is shown.
    void FormShow();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    TFlatRadioButton* i;
    TFlatRadioButton* lub;
    std::array<TFlatEdit*, 13> FlatEdit{};
    std::array<QLabel*, 16> Label{};
    TFlatListBox* FlatListBox1; // the group rows
    TShape* Shape2;             // the vertical bar
    std::array<TShape*, 14> Shape{};
    TFlatSpeedButton* FlatSpeedButton10; // "Z"
    TFlatSpeedButton* FlatSpeedButton1;  // "X"
    TFlatHint* FlatHint1;

    SearchRequest request() const;

    const ProgramState& m_state;
    PersonListOwner& m_list;
    // The rows of the group list as the main window's menu holds them.
    QList<QByteArray> m_groupRows;
};

} // namespace szukanie
