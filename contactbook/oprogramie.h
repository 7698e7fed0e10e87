#pragma once

#include "colorscheme.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class TextTargets;
class TFlatHint;
class TFlatSpeedButton;
class TShape;

// The about box of both programs: the banner, a short description, a thanks line and three links.
namespace oprogramie {

// Which program's description the box starts with, until the program's language step sets it.
enum class Edition { Contactbook, Checker };

class TForm2 : public QDialog {
    Q_OBJECT
public:
    // `scheme` is the program's colour scheme, read each time the box is shown; it must outlive
    // the box.
    explicit TForm2(const ColorScheme& scheme, Edition edition = Edition::Contactbook, QWidget* parent = nullptr);

    // The language's texts, which replace the built-in ones: "X"'s caption and hint and the about
    // text, its lines broken at '\n'.
    void SetTexts(const QString& closeCaption, const QString& closeHint, const QString& aboutText);
    // The main program's language targets in the box: "X"'s caption and hint, the about text.
    void RegisterTexts(TextTargets& texts);

    // Colours the box from the scheme; runs each time the box is shown.
    void FormShow();
    void Label1Click();
    void Label2Click();
    void Label4Click();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The controls, each named by its component name (see nameControls).
    TShape* Shape1;
    TShape* Shape2;
    QLabel* Image1;
    QPlainTextEdit* Memo1; // the about text
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    TFlatSpeedButton* FlatSpeedButton2; // "X"
    TFlatHint* FlatHint1;

    const ColorScheme& m_scheme;
};

} // namespace oprogramie
