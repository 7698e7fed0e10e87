#pragma once

#include <QColor>

#include <cstdint>

class QWidget;

// A colour as the settings file and every window keep it: $00BBGGRR (red in the low byte), or a
// system colour $80000000 | index. A plain 32-bit integer so the GUI-free core can hold it.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clScrollBar = 0x80000000;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clBtnHighlight = 0x80000014;

constexpr bool isSystemColor(TColor c)
{
    return (c & 0xFF000000u) == 0x80000000u;
}

// A system colour turned into its $00BBGGRR value from a fixed table (not the desktop theme, which
// varies), so a colour scheme looks the same on every machine; any other value keeps its low three
// bytes.
TColor ColorToRGB(TColor c);

// The one conversion between TColor and QColor; nowhere else are the bytes taken apart.
QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);

// The colour of a window or panel (its palette's Window role), which flat controls with
// ParentColor show as their face, and its text colour (the font colour that controls with
// ParentFont inherit).
TColor WidgetColor(const QWidget* w);
void SetWidgetColor(QWidget* w, TColor c);
TColor FontColor(const QWidget* w);
void SetFontColor(QWidget* w, TColor c);
