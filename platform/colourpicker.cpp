#include "colourpicker.h"

#include <QColorDialog>

namespace {

class DialogColourPicker final : public ColourPicker {
public:
    std::optional<QColor> pick(QWidget* parent, const QColor& initial) override
    {
        QColorDialog dialog(initial, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedColor();
    }
};

ColourPicker* g_current = nullptr;

} // namespace

ColourPicker& ColourPicker::current()
{
    static DialogColourPicker real;
    return g_current ? *g_current : real;
}

void ColourPicker::setCurrent(ColourPicker* picker)
{
    g_current = picker;
}
