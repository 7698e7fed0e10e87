#pragma once

#include "drukowanie.h"

// The bulk e-mail window: the print picker whose action opens one new message to every chosen
// person in the desktop's mail program.
namespace mail_zbiorowy {

class TForm10 : public drukowanie::TForm8 {
    Q_OBJECT
public:
    explicit TForm10(const ProgramState& state, adres_nadawcy::TForm13* senderAddress = nullptr,
                     QWidget* parent = nullptr);

    // "R": the message to all chosen persons.
    void FlatSpeedButton6Click() override;
};

} // namespace mail_zbiorowy
