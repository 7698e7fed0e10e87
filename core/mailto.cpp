#include "mailto.h"

#include "codec1250.h"

#include <QUrl>

namespace {

const QString kScheme = QStringLiteral("mailto:");

QString encoded(const QString& address)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(address, "@"));
}

} // namespace

QString mailtoUrl(const QString& address)
{
    return kScheme + encoded(address);
}

QString bulkMailUrl(const QList<QByteArray>& addresses)
{
    QString url = kScheme;
    for (const QByteArray& address : addresses)
        url += encoded(cp1250::toUnicode(address)) + QStringLiteral("; ");
    return url;
}
