#pragma once

#include "programstate.h"
#include "schemeeditor.h"

#include <QDialog>

#include <array>

class FileWriter;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QToolButton;
class TColorGrid;
class TFlatEdit;
class TFlatGauge;
class TFlatHint;
class TFlatListBox;
class TFlatMemo;
class TFlatSpeedButton;
class TImage;
class TShape;
class TZuboComboBox;
struct TOwnerDrawState;

// The colour-scheme editor: a mock-up of the main window on which the user picks an element, then
// one of its colours, then a new colour from a grid of sixteen or from the colour dialog. "Z" saves
// all eighteen colours to the settings file; "X" leaves them as they were.
namespace kolory {

class TForm11 : public QDialog {
    Q_OBJECT
public:
    // `state` holds the scheme, the program folder and the writer that replaces the settings file.
    explicit TForm11(ProgramState& state, QWidget* parent = nullptr);

    // The main window's colours command: copies the eight text-field colours of the scheme into
    // FieldColors and shows the editor modally; true when the colours were saved.
    bool EditColours();

    // The editor's copy of the text-field colours, ComboBox_tlo .. ComboBox_tekst3, in storage
    // order; the caller fills it before each show.
    std::array<ColourValue, 8> FieldColors{};

    // The colour being edited and the rules behind the swatches.
    const SchemeEditor& Editor() const { return m_editor; }

    // Handlers.
    void FormShow();
    void FormClick();
    void Shape1MouseDown();
    void FlatSpeedButton4Click();
    void FlatComboBox1Click();
    void kolorMouseDown(int n);
    void FlatComboBox1Change();
    void FlatComboBox1DrawItem(QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state);
    void ColorGrid1Change();
    void SpeedButton1Click();
    void FlatSpeedButton6Click();

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    // The mock-up.
    TShape* Shape1;
    TShape* Shape2;
    TFlatGauge* FlatGauge1;
    QList<QLabel*> Labels; // the mock-up's labels
    TImage* Image1;
    // ZuboComboBox1..ZuboComboBox7 by number; [0] is unused.
    std::array<TZuboComboBox*, 8> ZuboComboBox{};
    TFlatEdit* FlatEdit2;
    TFlatEdit* FlatEdit3;
    TFlatEdit* FlatEdit11;
    TFlatListBox* FlatListBox1;
    TFlatListBox* FlatListBox3;
    TFlatMemo* FlatMemo1;
    // The mock-up's buttons and "Z" (6) and "X" (5) by number; null for numbers without one.
    std::array<TFlatSpeedButton*, 17> FlatSpeedButton{};

    // The editor's own controls.
    QPlainTextEdit* Memo1;
    QLabel* ChosenLabel;  // "wybrane"
    TFlatEdit* FlatEdit4; // the description of the colour being edited
    TShape* Shape3;
    // kolor1..kolor8 by number; [0] is unused.
    std::array<TShape*, 9> kolor{};
    TColorGrid* ColorGrid1;
    QToolButton* SpeedButton1; // opens the colour dialog
    TFlatHint* FlatHint1;

    void createMockup();
    void createEditorControls();
    void chooseGroup(ColourGroup group);
    void applyColour(ColourValue colour);
    // Shows the edited scheme on the mock-up, the swatches and the description.
    void showScheme();
    // The chosen colour's description and the swatches of its group.
    void showChoice();
    QList<TFlatSpeedButton*> mockupButtons() const;

    ProgramState& m_state;
    SchemeEditor m_editor;
};

} // namespace kolory
