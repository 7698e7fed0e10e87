#include "taggedline.h"

#include "textlines.h"

#include <cstring>

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

// The first closing marker: looked for by its first character, as it stands in every line read by
// the thousand.
qsizetype indexOfCloseMarker(QByteArrayView text)
{
    constexpr QByteArrayView marker(kCloseMarker);
    for (qsizetype from = 0; from < text.size();) {
        const void* found = std::memchr(text.data() + from, '<', std::size_t(text.size() - from));
        if (!found)
            return -1;
        const qsizetype at = static_cast<const char*>(found) - text.data();
        if (text.sliced(at).startsWith(marker))
            return at;
        from = at + 1;
    }
    return -1;
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

TaggedFields::TaggedFields(QByteArrayView line)
{
    constexpr qsizetype open = sizeof kOpenMarker - 1;
    constexpr qsizetype close = sizeof kCloseMarker - 1;
    if (line.startsWith(kOpenMarker)) {
        // The opening marker is the line's first, so the key runs from it to the first closing
        // marker after it; that key's first occurrence is right there, so the value is the rest.
        const qsizetype end = indexOfCloseMarker(line.sliced(open));
        if (end > 0) {
            m_key = line.sliced(open, end);
            m_value = line.sliced(open + end + close);
            return;
        }
    }
    const QByteArray copy = line.toByteArray();
    m_heldKey = ExtractField(copy, QByteArray());
    m_heldValue = ExtractField(copy, m_heldKey);
    m_key = m_heldKey;
    m_value = m_heldValue;
}

QByteArray taggedLine(const QByteArray& key, const QByteArray& value)
{
    return kOpenMarker + key + kCloseMarker + oneLine(value);
}
