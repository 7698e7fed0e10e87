#include "mail_zbiorowy.h"

#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "mailto.h"
#include "personpicker.h"
#include "windowparts.h"

#include <QLabel>
#include <QListWidget>

namespace mail_zbiorowy {

TForm10::TForm10(const ProgramState& state, adres_nadawcy::TForm13* senderAddress, QWidget* parent)
    : TForm8(state, senderAddress, Clock::standard(), parent)
{
    setWindowTitle(QString::fromUtf8("Wysyłanie maila do wielu osób"));
    Label2->setText(QStringLiteral("Adresaci"));
    Label2->adjustSize();
    ListBox3->resize(ListBox3->width(), 417);
    FlatSpeedButton6->SetCaption(QStringLiteral("R"));
    FlatSpeedButton6->setToolTip(QStringLiteral("Redaguj maila"));
    for (TFlatRadioButton* r : {FlatRadioButton1, FlatRadioButton2, FlatRadioButton3, FlatRadioButton4})
        r->hide();
}

void TForm10::FlatSpeedButton6Click()
{
    if (ListBox3->count() == 0)
        return;
    QList<QByteArray> addresses;
    for (const PersonListEntry& entry : Chosen())
        addresses << entry.Mail;
    // The window closes also when there is no mail program to take the message (the user is told).
    openMail(bulkMailUrl(addresses));
    done(mrOk);
}

} // namespace mail_zbiorowy
