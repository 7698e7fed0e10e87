#include "mailto.h"

#include <QUrl>

QString mailtoUrl(const QString& address)
{
    return QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
}
