#pragma once

#include <QByteArray>

// A tagged line is "<$@$>" + key + "</$@$>" + value, the value running to the end of the line.
inline constexpr char kOpenMarker[] = "<$@$>";
inline constexpr char kCloseMarker[] = "</$@$>";

// With an empty key: the key of the line. With a key: the line with the opening marker, the first
// occurrence of the key text and the first closing marker removed, which for a well-formed line of
// that key is its value. "0" when a marker or the asked key text is missing. The reader removes
// text instead of parsing, and callers rely on what that gives for lines of other keys: the key-first
// pattern (ask the key, compare it, then ask the value) is the only safe way to tell keys apart.
QByteArray ExtractField(const QByteArray& line, const QByteArray& key);

// The line for one value. The value is made single-line (see oneLine) so it cannot break the file.
QByteArray taggedLine(const QByteArray& key, const QByteArray& value);
