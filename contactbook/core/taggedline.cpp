#include "taggedline.h"

#include "textlines.h"

namespace {

// Removes the first occurrence of `what`; false when it does not occur.
bool removeFirst(QByteArray& text, QByteArrayView what)
{
    const qsizetype at = text.indexOf(what);
    if (at < 0)
        return false;
    text.remove(at, what.size());
    return true;
}

} // namespace

QByteArray ExtractField(const QByteArray& line, const QByteArray& key)
{
    static const QByteArray missing("0");
    QByteArray rest = line;
    if (!removeFirst(rest, kOpenMarker))
        return missing;
    if (key.isEmpty()) {
        const qsizetype close = rest.indexOf(kCloseMarker);
        return close < 0 ? missing : rest.left(close);
    }
    if (!removeFirst(rest, key) || !removeFirst(rest, kCloseMarker))
        return missing;
    return rest;
}

QByteArray taggedLine(const QByteArray& key, const QByteArray& value)
{
    return kOpenMarker + key + kCloseMarker + oneLine(value);
}
