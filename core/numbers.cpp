#include "numbers.h"

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

ParsedInteger parseInteger(const QByteArray& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    const auto signedValue = [&](std::int64_t v) { return std::int32_t(negative ? -v : v); };
    std::int64_t value = 0;
    const qsizetype firstDigit = i;
    for (; i < n; ++i) {
        const int digit = hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (digit < 0)
            break;
        const std::int64_t next = value * (hex ? 16 : 10) + digit;
        const std::int64_t limit = hex ? 0xFFFFFFFFll : (negative ? 2147483648ll : 2147483647ll);
        if (next > limit)
            break;
        value = next;
    }
    ParsedInteger result;
    if (hex)
        result.value = negative ? std::int32_t(-std::uint32_t(value)) : std::int32_t(std::uint32_t(value));
    else
        result.value = signedValue(value);
    // No digit at all, or a character that is not a digit: the position of the offending character
    // (one past the end when the text ran out before a digit).
    if (i == firstDigit || i < n)
        result.errorPos = int(i + 1);
    return result;
}

std::optional<std::int32_t> toInteger(const QByteArray& text)
{
    const ParsedInteger parsed = parseInteger(text);
    if (!parsed.ok())
        return std::nullopt;
    return parsed.value;
}

std::int32_t toIntegerOr(const QByteArray& text, std::int32_t fallback)
{
    return toInteger(text).value_or(fallback);
}

std::optional<std::int32_t> toDecimalInteger(const QByteArray& text)
{
    const qsizetype first = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
    if (first == text.size())
        return std::nullopt;
    for (qsizetype i = first; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    }
    return toInteger(text);
}
