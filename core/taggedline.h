#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A tagged line is "<$@$>" + key + "</$@$>" + value, the value running to the end of the line.
inline constexpr char kOpenMarker[] = "<$@$>";
inline constexpr char kCloseMarker[] = "</$@$>";

// With an empty key: the key of the line. With a key: the line with the opening marker, the first
// occurrence of the key text and the first closing marker removed, which for a well-formed line of
// that key is its value. "0" when a marker or the asked key text is missing. The reader removes
// text instead of parsing, and callers rely on what that gives for lines of other keys: the key-first
// pattern (ask the key, compare it, then ask the value) is the only safe way to tell keys apart.
QByteArray ExtractField(const QByteArray& line, const QByteArray& key);

// A line taken apart by the key-first pattern without copying it: key() is what ExtractField gives
// without a key, value() what it gives with that key. A line that starts with its opening marker and
// has a closing one, as every line the programs write, is read in place, and both are views into
// it; any other line is taken apart by ExtractField itself, and the results are held here.
class TaggedFields {
public:
    explicit TaggedFields(QByteArrayView line);
    TaggedFields(const TaggedFields&) = delete;
    TaggedFields& operator=(const TaggedFields&) = delete;

    QByteArrayView key() const { return m_key; }
    QByteArrayView value() const { return m_value; }

private:
    QByteArray m_heldKey;
    QByteArray m_heldValue;
    QByteArrayView m_key;
    QByteArrayView m_value;
};

// The line for one value. The value is made single-line (see oneLine) so it cannot break the file.
QByteArray taggedLine(const QByteArray& key, const QByteArray& value);
