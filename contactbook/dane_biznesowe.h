#pragma once

#include "colorscheme.h"

#include <QDialog>

class QLabel;
class TFlatEdit;
class TFlatHint;
class TFlatSpeedButton;
class TShape;

// The business data dialog: the entry's tax number (NIP) and REGON number, taken as typed.
namespace dane_biznesowe {

class TForm14 : public QDialog {
    Q_OBJECT
public:
    // `scheme` is the program's colour scheme, read each time the dialog is shown.
    explicit TForm14(const ColorScheme& scheme, QWidget* parent = nullptr);

    // The editor's business data button: shows the dialog modally with these numbers; "Z" writes
    // what the fields then hold back into them (an emptied field too) and gives true.
    bool EditNumbers(QString& nip, QString& regon);

    void FormShow();
    void FlatSpeedButton3Click();
    void FlatSpeedButton4Click();

    // The close box and Esc close with Cancel, as "X" does.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    QLabel* Label6;
    TFlatEdit* FlatEdit1; // NIP
    QLabel* Label7;
    TFlatEdit* FlatEdit2;               // REGON
    TFlatSpeedButton* FlatSpeedButton3; // "K": empties the NIP
    TFlatSpeedButton* FlatSpeedButton4; // "K": empties the REGON
    TShape* Shape1;
    TFlatSpeedButton* FlatSpeedButton2; // "Z"
    TFlatSpeedButton* FlatSpeedButton1; // "X"
    TFlatHint* FlatHint1;

    const ColorScheme& m_scheme;
};

} // namespace dane_biznesowe
