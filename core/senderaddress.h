#pragma once

#include "profilefile.h"

#include <QByteArray>
#include <QList>
#include <QString>


// The sender address printed on envelopes: section "adres_nadawcy" of the settings file, keys
// linia1, linia2, ... one address line each.

// The lines up to the first missing key, or the first line that reads "???" (the missing-key mark).
QList<QByteArray> readSenderAddress(const ProfileFile& opcje);

// Replaces the stored address by these lines in one write; an empty address leaves the stored one.
bool storeSenderAddress(ProfileFile& opcje, const QList<QByteArray>& lines, QString* error);

