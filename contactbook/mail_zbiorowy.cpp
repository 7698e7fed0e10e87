#include "mail_zbiorowy.h"

#include "TFlatSpeedButtonUnit.h"
#include "mailto.h"
#include "windowparts.h"

namespace mail_zbiorowy {

TForm10::TForm10(const ProgramState& state, adres_nadawcy::TForm13* senderAddress, QWidget* parent)
    : TForm8(state, senderAddress, Clock::standard(), parent)
{
    setWindowTitle(QString::fromUtf8("Wysyłanie maila do wielu osób"));
    setOtherAction(QStringLiteral("Adresaci"), 417, QStringLiteral("R"), QStringLiteral("Redaguj maila"));
}

void TForm10::FlatSpeedButton6Click()
{
    const QList<PersonListEntry> chosen = Chosen();
    if (chosen.isEmpty())
        return;
    QList<QByteArray> addresses;
    for (const PersonListEntry& entry : chosen)
        addresses << entry.Mail;
    // The window closes also when there is no mail program to take the message (the user is told).
    openMail(bulkMailUrl(addresses));
    done(mrOk);
}

} // namespace mail_zbiorowy
