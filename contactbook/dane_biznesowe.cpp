#include "dane_biznesowe.h"

#include "TFlatEditUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "dialogrunner.h"
#include "schemecolours.h"
#include "shape.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QLabel>

namespace dane_biznesowe {
namespace {

TFlatSpeedButton* button(QWidget* parent, int x, int y, const char* caption, const char* hint, int modalResult)
{
    auto* b = new TFlatSpeedButton(parent);
    b->setGeometry(x, y, 17, 17);
    b->SetCaption(QString::fromUtf8(caption));
    b->setToolTip(QString::fromUtf8(hint));
    b->SetModalResult(modalResult);
    return b;
}

} // namespace

TForm14::TForm14(const ColorScheme& scheme, QWidget* parent)
    : QDialog(parent)
    , m_scheme(scheme)
{
    setWindowTitle(windowCaption());
    setFixedSize(303, 102);
    setFont(DefaultUiFont());

    Shape1 = new TShape(this);
    Shape1->setGeometry(256, -1, 17, height() + 2);

    Label6 = new QLabel(QStringLiteral("NIP"), this);
    Label6->move(16, 16);
    FlatEdit1 = new TFlatEdit(this);
    FlatEdit1->setGeometry(53, 16, 172, 19);
    Label7 = new QLabel(QStringLiteral("Regon"), this);
    Label7->move(8, 40);
    FlatEdit2 = new TFlatEdit(this);
    FlatEdit2->setGeometry(53, 40, 172, 19);

    FlatSpeedButton3 = button(this, 232, 16, "K", "Kasuj NIP", mrNone);
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm14::FlatSpeedButton3Click);
    FlatSpeedButton4 = button(this, 232, 40, "K", "Kasuj Regon", mrNone);
    connect(FlatSpeedButton4, &TFlatSpeedButton::OnClick, this, &TForm14::FlatSpeedButton4Click);
    FlatSpeedButton2 = button(this, 256, 40, "Z", "Zapisz i wyjdź", mrOk);
    FlatSpeedButton1 = button(this, 256, 72, "X", "Zamknij okno bez uwzględniania zmian", mrCancel);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());
    nameControls({{Shape1, "Shape1"},
                  {Label6, "Label6"},
                  {Label7, "Label7"},
                  {FlatEdit1, "FlatEdit1"},
                  {FlatEdit2, "FlatEdit2"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {FlatSpeedButton4, "FlatSpeedButton4"},
                  {FlatHint1, "FlatHint1"}});
}

bool TForm14::EditNumbers(QString& nip, QString& regon)
{
    FlatEdit1->setText(nip);
    FlatEdit2->setText(regon);
    if (DialogRunner::current().run(*this) != mrOk)
        return false;
    nip = FlatEdit1->text();
    regon = FlatEdit2->text();
    return true;
}

void TForm14::FormShow()
{
    const ColorScheme& s = m_scheme;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    for (TFlatSpeedButton* b : {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3, FlatSpeedButton4})
        schemecolours::apply(b, s);
    for (TFlatEdit* e : {FlatEdit1, FlatEdit2})
        schemecolours::apply(e, s, schemecolours::EditFont::FromScheme);
}

void TForm14::FlatSpeedButton3Click()
{
    FlatEdit1->clear();
}

void TForm14::FlatSpeedButton4Click()
{
    FlatEdit2->clear();
}

void TForm14::reject()
{
    done(mrCancel);
}

void TForm14::showEvent(QShowEvent* e)
{
    openCentred(this, e, [this] { FormShow(); });
    QDialog::showEvent(e);
}

} // namespace dane_biznesowe
