#pragma once

#include "colorscheme.h"

#include <QByteArray>
#include <QDialog>

class QLabel;
class TextTargets;
class TFlatHint;
class TFlatRadioButton;
class TFlatSpeedButton;
class TShape;

// The entry type dialog: before a new entry is made, the user chooses a person or a one-off
// reminder (an entry removed once its date has passed).
namespace wybor_typu_nowego {

class TForm6 : public QDialog {
    Q_OBJECT
public:
    // `scheme` is the program's colour scheme, read each time the dialog is shown.
    explicit TForm6(const ColorScheme& scheme, QWidget* parent = nullptr);

    // The last confirmed choice: "osoba" or "jednorazowka". Cancelling keeps it.
    const QByteArray& EntryType() const { return m_entryType; }
    // "N" offers a person first: the person choice checked and focused.
    void OfferPerson();

    void RegisterTexts(TextTargets& texts);

    void FormShow();
    void FlatSpeedButton1Click();
    void FlatSpeedButton2Click();

    // The close box and Esc close with Cancel, as "X" does.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    TShape* Shape2; // the frame
    QLabel* Label1;
    TShape* Shape1;                     // the button bar
    TFlatSpeedButton* FlatSpeedButton1; // "Z"
    TFlatSpeedButton* FlatSpeedButton2; // "X"
    TFlatRadioButton* FlatRadioButton1; // person
    TFlatRadioButton* FlatRadioButton2; // one-off reminder
    TFlatHint* FlatHint1;

    const ColorScheme& m_scheme;
    QByteArray m_entryType = "osoba";
};

} // namespace wybor_typu_nowego
