#include "wybor_typu_nowego.h"

#include "TFlatHintUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "personfile.h"
#include "schemecolours.h"
#include "shape.h"
#include "texttargets.h"
#include "windowparts.h"

#include <QKeyEvent>
#include <QLabel>

namespace wybor_typu_nowego {

TForm6::TForm6(const ColorScheme& scheme, QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , m_scheme(scheme)
{
    setWindowTitle(windowCaption());
    setFixedSize(393, 102);
    setFont(DefaultUiFont());

    Shape2 = new TShape(this);
    Shape2->setGeometry(2, 2, 390, 99);
    Shape2->SetFilled(false);
    Shape2->SetPenWidth(2);
    Shape1 = new TShape(this);
    Shape1->setGeometry(288, -1, 17, height() + 2);

    Label1 = new QLabel(QString::fromUtf8("Wybierz rodzaj wpisu:"), this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(16, 8);

    FlatSpeedButton1 = new TFlatSpeedButton(this);
    FlatSpeedButton1->setGeometry(288, 31, 17, 17);
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm6::FlatSpeedButton1Click);
    FlatSpeedButton2 = new TFlatSpeedButton(this);
    FlatSpeedButton2->setGeometry(288, 71, 17, 17);
    connect(FlatSpeedButton2, &TFlatSpeedButton::OnClick, this, &TForm6::FlatSpeedButton2Click);

    FlatRadioButton1 = new TFlatRadioButton(this);
    FlatRadioButton1->setGeometry(8, 40, 249, 17);
    FlatRadioButton1->SetChecked(true);
    FlatRadioButton1->installEventFilter(this);
    FlatRadioButton2 = new TFlatRadioButton(this);
    FlatRadioButton2->setGeometry(8, 64, 249, 17);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());
    nameControls({{Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {Label1, "Label1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatRadioButton1, "FlatRadioButton1"},
                  {FlatRadioButton2, "FlatRadioButton2"},
                  {FlatHint1, "FlatHint1"}});

    TextTargets own;
    RegisterTexts(own);
    own.applyBuiltIn();
    FlatRadioButton1->setFocus();
}

void TForm6::OfferPerson()
{
    FlatRadioButton1->SetChecked(true);
    FlatRadioButton1->setFocus();
}

void TForm6::RegisterTexts(TextTargets& texts)
{
    texts.add(67, TextTargets::caption(FlatSpeedButton2));
    texts.add(77, TextTargets::hint(FlatSpeedButton2));
    texts.add(136, TextTargets::caption(Label1));
    texts.add(137, TextTargets::caption(FlatRadioButton1));
    texts.add(138, TextTargets::caption(FlatRadioButton2));
    texts.add(139, TextTargets::hint(FlatRadioButton1));
    texts.add(140, TextTargets::hint(FlatRadioButton2));
    texts.add(141, TextTargets::caption(FlatSpeedButton1));
    texts.add(142, TextTargets::hint(FlatSpeedButton1));
}

void TForm6::FormShow()
{
    const ColorScheme& s = m_scheme;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    // The one frame of the program drawn in the bars' outline colour.
    Shape2->SetPenColor(s.paski_ramka);
    for (TFlatSpeedButton* b : {FlatSpeedButton1, FlatSpeedButton2})
        schemecolours::apply(b, s);
    for (TFlatRadioButton* r : {FlatRadioButton1, FlatRadioButton2})
        schemecolours::apply(r, s);
}

void TForm6::FlatSpeedButton1Click()
{
    if (FlatRadioButton1->Checked())
        m_entryType = kEntryTypePerson;
    else if (FlatRadioButton2->Checked())
        m_entryType = kEntryTypeOneOff;
    done(mrOk);
}

void TForm6::FlatSpeedButton2Click()
{
    done(mrCancel);
}

void TForm6::reject()
{
    done(mrCancel);
}

void TForm6::showEvent(QShowEvent* e)
{
    if (!e->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(e);
}

// Enter in the first radio button confirms, so a person is added with one key.
bool TForm6::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == FlatRadioButton1 && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FlatSpeedButton1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace wybor_typu_nowego
