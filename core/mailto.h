#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The "mailto:" addresses that open the desktop's mail program on a new mail. Every address is
// percent-encoded (all but letters, digits, "-._~" and "@"), so a stored address holding "?", "&"
// or "#" stays one address and can neither add a subject, a body, more recipients or an
// attachment request to the mail nor drop the recipients after it.

// To one address (the main window's "M").
QString mailtoUrl(const QString& address);

// To all the addresses (code page 1250, as stored), each followed by "; ", the last one too (the
// bulk mail's "R").
QString bulkMailUrl(const QList<QByteArray>& addresses);
