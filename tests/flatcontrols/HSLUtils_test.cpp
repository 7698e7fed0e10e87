#include "HSLUtils.h"

#include <gtest/gtest.h>

TEST(HSLUtils, ScaledHslOfKnownColours)
{
    struct Case {
        TColor color;
        ScaledHsl expected;
    };
    const Case cases[] = {
        {0xFFFFFF, {0, 0, 240}},     // white
        {0x000000, {0, 0, 0}},       // black
        {0x0000FF, {0, 240, 120}},   // pure red: red is the low byte
        {0xFF0000, {159, 240, 120}}, // pure blue: 2/3 of the hue circle
        {0x00FF00, {80, 240, 120}},  // pure green
        {0x808080, {0, 0, 120}},     // 128/255 * 240 = 120.47
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledHslFromColor(c.color), c.expected) << std::hex << c.color;
}

TEST(HSLUtils, ScaledRoundTripKeepsColoursOnTheScale)
{
    EXPECT_EQ(ColorFromScaledHsl(0, 0, 240), 0xFFFFFFu);
    EXPECT_EQ(ColorFromScaledHsl(0, 240, 120), 0x0000FFu);
    EXPECT_EQ(ColorFromScaledHsl(159, 240, 120) & 0xFF0000, 0xFF0000u);
    const TColor grey = ColorFromScaledHsl(100, 0, 60);
    EXPECT_EQ(grey & 0xFF, grey >> 8 & 0xFF);
    EXPECT_EQ(grey & 0xFF, grey >> 16 & 0xFF);
    // A round trip of a scheme colour lands on the same colour.
    for (TColor c : {0xE1EAEBu, 0x8396A0u, 0x60B3FDu, 0x000040u}) {
        const ScaledHsl s = ScaledHslFromColor(c);
        const TColor back = ColorFromScaledHsl(s.H, s.S, s.L);
        for (int shift : {0, 8, 16})
            EXPECT_NEAR(int(back >> shift & 0xFF), int(c >> shift & 0xFF), 3) << std::hex << c;
    }
}

TEST(HSLUtils, OutOfScaleArgumentsNeverOverflowAChannel)
{
    EXPECT_EQ(ColorFromScaledHsl(0, 0, 1000), 0xFFFFFFu);
    EXPECT_EQ(ColorFromScaledHsl(-5, -5, -5), 0x000000u);
    EXPECT_EQ(ColorFromScaledHsl(500, 500, 240), 0xFFFFFFu);
    for (double h : {-0.5, 0.0, 0.3, 1.4})
        for (double m2 : {0.0, 1.0, 1.6})
            EXPECT_LE(HueComponent(-0.2, m2, h), 255);
}
