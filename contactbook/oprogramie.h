#pragma once

#include "colorscheme.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
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

    TShape* Shape1;
    TShape* Shape2;
    QLabel* Image1;
    // The about text; each program's language step replaces it.
    QPlainTextEdit* Memo1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    // "X"; caption and hint are language texts.
    TFlatSpeedButton* FlatSpeedButton2;
    TFlatHint* FlatHint1;

    // Colours the box from the scheme; runs each time the box is shown.
    void FormShow();
    void Label1Click();
    void Label2Click();
    void Label4Click();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    const ColorScheme& m_scheme;
};

} // namespace oprogramie
