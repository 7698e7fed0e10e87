#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// Integer conversion of the stored texts, as every stored number has always been read: leading
// blanks, an optional sign, then decimal digits, or hexadecimal digits after "$" or "0x". The value
// must fit 32 bits (hexadecimal wraps, so "$FFFFFFFF" is -1).
struct ParsedInteger {
    std::int32_t value = 0; // on failure, what was read before the offending character
    int errorPos = 0;       // 0 when the whole text converted, else the 1-based offending position
    bool ok() const { return errorPos == 0; }
};

ParsedInteger parseInteger(const QByteArray& text);

// The whole text as an integer, or nothing.
std::optional<std::int32_t> toInteger(const QByteArray& text);

// The whole text as an integer, or `fallback`.
std::int32_t toIntegerOr(const QByteArray& text, std::int32_t fallback);

// The whole text as a decimal integer with an optional sign, or nothing: no blanks and no
// hexadecimal. Years and days typed or shown in the contact book are read so, since a date is read
// back by character position and "$7E0" or " 123" would be written as a year as typed.
std::optional<std::int32_t> toDecimalInteger(const QByteArray& text);
