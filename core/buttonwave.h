#pragma once

#include "colorscheme.h"

#include <QList>

// The light wave that runs down the main window's column of one-letter buttons to draw the eye to
// the commands: a head of colour A followed by B and C, the button face colour behind them, then a
// second short flash over the first four buttons. About 1.3 seconds; every button ends in the face
// colour.
namespace buttonwave {

// Positions top to bottom: "N", "K", "E", "G", "M", "J", "O", "X".
inline constexpr int kButtons = 8;

inline constexpr ColourValue kHead = 0x99FFF9;   // A
inline constexpr ColourValue kSecond = 0x57ECE4; // B
inline constexpr ColourValue kTail = 0xA0A7C4;   // C

enum class Shade { Head, Second, Tail, Face };

struct Change {
    int position;
    Shade shade;
    bool operator==(const Change&) const = default;
};

// One step: its colour changes in the order they are made, then the pause before the next step.
struct Step {
    QList<Change> changes;
    int pauseMs;
};

const QList<Step>& steps();

// The colour of a shade; the face colour is the scheme's `guziki_tlo` at the moment it is applied,
// so a scheme changed between two waves shows in the next one.
ColourValue colourOf(Shade shade, ColourValue face);

} // namespace buttonwave
