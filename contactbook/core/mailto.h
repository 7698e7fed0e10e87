#pragma once

#include <QString>

// The "mailto:" address that opens the desktop's mail program on a new mail to one address. The
// address is percent-encoded (all but letters, digits, "-._~" and "@"), so a stored address holding
// "?", "&" or "#" stays one address and cannot add a subject, a body or an attachment request to
// the mail.
QString mailtoUrl(const QString& address);
