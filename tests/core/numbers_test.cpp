#include "numbers.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    std::int32_t value;
    int errorPos;
};

TEST(ParseInteger, ReadsDecimalAndHexadecimalWithPartialResults)
{
    const Case cases[] = {
        {"0", 0, 0},
        {"7", 7, 0},
        {"07", 7, 0},
        {"  14", 14, 0},
        {"-3", -3, 0},
        {"+3", 3, 0},
        {"$A", 10, 0},
        {"0x1f", 31, 0},
        {"0X1F", 31, 0},
        {"$FFFFFFFF", -1, 0},
        {"2147483647", 2147483647, 0},
        {"-2147483648", -2147483647 - 1, 0},
        // Failures give the offending position and what was read before it.
        {"", 0, 1},
        {"   ", 0, 4},
        {"-", 0, 2},
        {"$", 0, 2},
        {"abc", 0, 1},
        {"12x", 12, 3},
        {"1.", 1, 2},
        {"3 ", 3, 2},
        {"2147483648", 214748364, 10},
        {"$100000000", 0x10000000, 10},
        {"??", 0, 1},
    };
    for (const Case& c : cases) {
        const ParsedInteger p = parseInteger(c.text);
        EXPECT_EQ(p.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(p.errorPos, c.errorPos) << '"' << c.text << '"';
    }
}

TEST(ToInteger, TakesOnlyAWholeNumber)
{
    EXPECT_EQ(toInteger("42"), 42);
    EXPECT_EQ(toInteger("4 2"), std::nullopt);
    EXPECT_EQ(toIntegerOr("siedem", 7), 7);
    EXPECT_EQ(toIntegerOr("$A", 7), 10);
}

TEST(ToDecimalInteger, TakesOnlyDecimalDigitsAfterAnOptionalSign)
{
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"0024", 24},
        {"-5", -5},
        {"+5", 5},
        {"2147483647", 2147483647},
        {"", std::nullopt},
        {"-", std::nullopt},
        {" 123", std::nullopt},
        {"123 ", std::nullopt},
        {"$7E0", std::nullopt},
        {"0x10", std::nullopt},
        {"-$A", std::nullopt},
        {"1.5", std::nullopt},
        {"2147483648", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toDecimalInteger(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
