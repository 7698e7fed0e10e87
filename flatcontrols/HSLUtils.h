#pragma once

#include "FlatColors.h"

// Colour to hue, saturation and lightness and back. Reals run 0..1; the scaled integers run
// 0..HslScale - 1 for the hue and 0..HslScale for saturation and lightness.
constexpr int HslScale = 240;

struct Hsl {
    double H = 0, S = 0, L = 0;
};
struct ScaledHsl {
    int H = 0, S = 0, L = 0;
    bool operator==(const ScaledHsl&) const = default;
};

double MaxOfTwo(double a, double b);
double MinOfTwo(double a, double b);

// Color is an RGB value ($00BBGGRR), not a system colour.
Hsl HslFromColor(TColor color);
ScaledHsl ScaledHslFromColor(TColor color);

// One channel (0..255) of ColorFromHsl.
int HueComponent(double m1, double m2, double h);
TColor ColorFromHsl(double h, double s, double l);
// Out-of-range arguments are clamped to the scale, so every channel stays within a byte.
TColor ColorFromScaledHsl(int h, int s, int l);
