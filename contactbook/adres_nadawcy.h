#pragma once

#include "programstate.h"

#include <QDialog>
#include <QList>
#include <QString>

class ProfileFile;
class QLabel;
class TFlatMemo;
class TFlatSpeedButton;
class TShape;

// The sender address dialog, shown before envelopes are printed: "Z" stores the address and starts
// the printing, "X" cancels it.
namespace adres_nadawcy {

class TForm13 : public QDialog {
    Q_OBJECT
public:
    // `state` gives the program folder and the colours; it must outlive the dialog.
    explicit TForm13(const ProgramState& state, QWidget* parent = nullptr);

    // The address as the dialog closed, as stored bytes.
    QList<QByteArray> AddressLines() const { return m_lines; }

    void FormShow();
    void FlatSpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The controls, each named by its component name (see nameControls).
    QLabel* Label1;
    TFlatMemo* FlatMemo1; // the address, one line per line
    TShape* Shape1;
    TFlatSpeedButton* FlatSpeedButton1; // "Z"
    TFlatSpeedButton* FlatSpeedButton2; // "X"

    const ProgramState& m_state;
    QList<QByteArray> m_lines;
};

} // namespace adres_nadawcy
