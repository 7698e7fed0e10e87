#pragma once

#include <QColor>

#include <optional>

class QWidget;

// The system colour dialog: every colour allowed, opening on a given colour. Tests pick a colour
// through a double instead of the modal dialog.
class ColourPicker {
public:
    virtual ~ColourPicker() = default;
    // The colour chosen, or nothing when the dialog was cancelled.
    virtual std::optional<QColor> pick(QWidget* parent, const QColor& initial) = 0;

    // The picker in use: the real dialog unless another was set (tests set a double).
    static ColourPicker& current();
    static void setCurrent(ColourPicker* picker);
};
