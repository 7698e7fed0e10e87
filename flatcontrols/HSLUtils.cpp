#include "HSLUtils.h"

#include <algorithm>
#include <cmath>

namespace {

// Halves go to the even neighbour, as the stored colours were computed.
int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

} // namespace

double MaxOfTwo(double a, double b)
{
    return a > b ? a : b;
}

double MinOfTwo(double a, double b)
{
    return a < b ? a : b;
}

Hsl HslFromColor(TColor color)
{
    const double r = (color & 0xFF) / 255.0;
    const double g = (color >> 8 & 0xFF) / 255.0;
    const double b = (color >> 16 & 0xFF) / 255.0;
    const double max = MaxOfTwo(MaxOfTwo(b, g), r);
    const double min = MinOfTwo(MinOfTwo(b, g), r);
    Hsl hsl;
    hsl.L = (max + min) / 2;
    if (max == min)
        return hsl;
    const double d = max - min;
    hsl.S = hsl.L < 0.5 ? d / (max + min) : d / (2 - max - min);
    if (max == r)
        hsl.H = (g - b) / d;
    else if (max != g)
        hsl.H = 4 + (r - g) / d;
    else
        hsl.H = 2 + (b - r) / d;
    hsl.H /= 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

ScaledHsl ScaledHslFromColor(TColor color)
{
    const Hsl hsl = HslFromColor(color);
    return {roundHalfEven(hsl.H * (HslScale - 1)), roundHalfEven(hsl.S * HslScale), roundHalfEven(hsl.L * HslScale)};
}

int HueComponent(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    if (h > 1)
        h -= 1;
    double v;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * h * 6;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    else
        v = m1;
    return std::clamp(roundHalfEven(v * 255), 0, 255);
}

TColor ColorFromHsl(double h, double s, double l)
{
    int r, g, b;
    if (s == 0) {
        r = g = b = std::clamp(roundHalfEven(l * 255), 0, 255);
    } else {
        const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
        const double m1 = 2 * l - m2;
        r = HueComponent(m1, m2, h + 1.0 / 3);
        g = HueComponent(m1, m2, h);
        b = HueComponent(m1, m2, h - 1.0 / 3);
    }
    return TColor(r) + 256 * TColor(g) + 65536 * TColor(b);
}

TColor ColorFromScaledHsl(int h, int s, int l)
{
    return ColorFromHsl(std::clamp(h, 0, HslScale - 1) / double(HslScale - 1),
                        std::clamp(s, 0, HslScale) / double(HslScale), std::clamp(l, 0, HslScale) / double(HslScale));
}
