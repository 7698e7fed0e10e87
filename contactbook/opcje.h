#pragma once

#include "optionssettings.h"
#include "programstate.h"

#include <QDialog>
#include <QList>

#include <array>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;
class TFlatCheckBox;
class TFlatEdit;
class TFlatRadioButton;
class TFlatSpeedButton;
class TShape;
class TZuboComboBox;

// The options dialog: the reminder days of the checker, the data folders in use and where new
// entries are saved. What it saves takes effect at the next start.
namespace opcje {

class TForm15 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the program folder, the messages and the colours; it must outlive the dialog.
    explicit TForm15(const ProgramState& state, QWidget* parent = nullptr);

    // Label1..Label11 by number; Label[0] is unused.
    // The day boxes by number (1 and 2 birthdays, 3 and 4 name days, 5 and 6 other occasions, the
    // days before and after); ZuboComboBox[0] is unused.

    void FormShow();
    void FlatSpeedButton1Click();
    void DirectoryListBox1DblClick(const QModelIndex& index);
    void DriveComboBox1Change();
    void FlatSpeedButton3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls).
    std::array<QLabel*, 12> Label{};
    TFlatCheckBox* FlatCheckBox1;       // "Standardowa": the default base in use
    TFlatCheckBox* FlatCheckBox2;       // "Inna": the second base in use
    TFlatEdit* FlatEdit1;               // the folder of the second base
    TFlatSpeedButton* FlatSpeedButton1; // shows or hides the folder browser
    QTreeView* DirectoryListBox1;
    QFileSystemModel* DirectoryModel;
    QComboBox* DriveComboBox1;
    TFlatRadioButton* FlatRadioButton1; // save new entries in the default base
    TFlatRadioButton* FlatRadioButton2; // ... in the second one
    std::array<TZuboComboBox*, 7> ZuboComboBox{};
    TFlatSpeedButton* FlatSpeedButton3; // "Z"
    TFlatSpeedButton* FlatSpeedButton2; // "X"
    TShape* Shape1;

    OptionsState state() const;
    void show(const OptionsState& s);
    void colour();
    void openBrowserAtDataFolder();
    void showBrowserFolder();

    const ProgramState& m_state;
    QString m_browserFolder; // the folder the browser was opened at
};

} // namespace opcje
