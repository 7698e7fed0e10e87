#pragma once

#include "colorscheme.h"

#include <QByteArray>
#include <QString>

// The colour-scheme editor's rules, apart from its mock-up: the element groups of the main window,
// the eight swatches that show a group's colours, which colour is being edited and what a choice
// or a new colour changes.
enum class ColourGroup { Window, Bars, Buttons, Fields };

class SchemeEditor {
public:
    static constexpr int kSwatches = 8;
    // Swatch frames: the colour being edited, the group's other colours, and fill and frame of a
    // swatch the group does not use.
    static constexpr ColourValue kEditedFrame = 0x0000FF;
    static constexpr ColourValue kGroupFrame = 0xA4A0A0;
    static constexpr ColourValue kUnusedSwatch = 0x808080;

    struct Swatch {
        ColourValue fill = kUnusedSwatch;
        ColourValue frame = kUnusedSwatch;
        bool operator==(const Swatch&) const = default;
    };

    // A new session on `scheme`: the window group with the window colour being edited. The
    // description keeps its text.
    void start(const ColorScheme& scheme);

    const ColorScheme& scheme() const { return m_scheme; }
    // The key of the colour being edited, one of the scheme's eighteen.
    const QByteArray& currentKey() const { return m_key; }
    ColourGroup group() const;
    // The text that describes the choice, "na razie nic" before the first one.
    const QString& description() const { return m_description; }

    // Edits the group's first colour.
    void chooseGroup(ColourGroup group);
    // Edits colour `n` (1..8) of the current group; false, changing nothing, when the group has no
    // such colour.
    bool chooseSwatch(int n);
    // Edits the text colour of a person, a one-off reminder or a binned person (entries 0..2 of
    // the mock-up's person chooser), in the text-field group.
    void choosePreviewEntry(int index);

    // The colour being edited and its swatch (1..8).
    ColourValue current() const;
    int currentSwatch() const;
    // Sets the colour being edited.
    void apply(ColourValue colour);

    // How swatch `n` (1..8) shows now.
    Swatch swatch(int n) const;

private:
    ColorScheme m_scheme;
    QByteArray m_key = "tlo_tlo";
    QString m_description = QString::fromUtf8("na razie nic");
};
