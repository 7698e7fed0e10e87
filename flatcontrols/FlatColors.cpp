#include "FlatColors.h"

#include <QPalette>
#include <QWidget>

#include <array>

namespace {

constexpr TColor rgb(int r, int g, int b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

// The classic desktop colours, by system colour index.
constexpr std::array<TColor, 31> systemColors = {
    rgb(212, 208, 200), // 0 scroll bar
    rgb(58, 110, 165),  // 1 desktop background
    rgb(10, 36, 106),   // 2 active caption
    rgb(128, 128, 128), // 3 inactive caption
    rgb(212, 208, 200), // 4 menu
    rgb(255, 255, 255), // 5 window
    rgb(0, 0, 0),       // 6 window frame
    rgb(0, 0, 0),       // 7 menu text
    rgb(0, 0, 0),       // 8 window text
    rgb(255, 255, 255), // 9 caption text
    rgb(212, 208, 200), // 10 active border
    rgb(212, 208, 200), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(10, 36, 106),   // 13 highlight
    rgb(255, 255, 255), // 14 highlight text
    rgb(212, 208, 200), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(212, 208, 200), // 19 inactive caption text
    rgb(255, 255, 255), // 20 button highlight
    rgb(64, 64, 64),    // 21 3-D dark shadow
    rgb(212, 208, 200), // 22 3-D light
    rgb(0, 0, 0),       // 23 tooltip text
    rgb(255, 255, 225), // 24 tooltip background
    rgb(181, 181, 181), // 25 unused
    rgb(0, 0, 128),     // 26 hot-tracked item
    rgb(166, 202, 240), // 27 gradient of the active caption
    rgb(192, 192, 192), // 28 gradient of the inactive caption
    rgb(10, 36, 106),   // 29 menu highlight
    rgb(212, 208, 200), // 30 menu bar
};

} // namespace

TColor ColorToRGB(TColor c)
{
    if (isSystemColor(c)) {
        const TColor index = c & 0xFF;
        return index < systemColors.size() ? systemColors[index] : clBlack;
    }
    return c & 0xFFFFFF;
}

QColor toQColor(TColor c)
{
    const TColor v = ColorToRGB(c);
    return QColor(int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF));
}

TColor fromQColor(const QColor& c)
{
    return rgb(c.red(), c.green(), c.blue());
}

TColor WidgetColor(const QWidget* w)
{
    return fromQColor(w->palette().color(w->backgroundRole()));
}

void SetWidgetColor(QWidget* w, TColor c)
{
    QPalette p = w->palette();
    p.setColor(w->backgroundRole(), toQColor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

TColor FontColor(const QWidget* w)
{
    return fromQColor(w->palette().color(w->foregroundRole()));
}

void SetFontColor(QWidget* w, TColor c)
{
    // Labels and flat controls read WindowText; the text fields' own text role is Text.
    QPalette p = w->palette();
    const QColor q = toQColor(c);
    p.setColor(QPalette::WindowText, q);
    p.setColor(QPalette::Text, q);
    p.setColor(QPalette::ButtonText, q);
    w->setPalette(p);
}
