#pragma once

#include "TFlatCheckBoxUnit.h"

// The flat radio button: checking one unchecks the other radio buttons of the same parent with the
// same GroupIndex (group 0 included). Only the newly checked one raises OnClick; TabStop follows
// Checked.
class TFlatRadioButton : public TFlatMarkControl {
    Q_OBJECT
public:
    explicit TFlatRadioButton(QWidget* parent = nullptr);

    TColor ColorDot() const { return IndexedColor(2); }
    TRadioButtonLayout Layout() const { return MarkAtRight() ? radioRight : radioLeft; }
    void SetLayout(TRadioButtonLayout layout) { SetMarkAtRight(layout == radioRight); }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index) { m_groupIndex = index; }

    void SetChecked(bool checked) override;

    static ClassTimer& HoverTimer();

protected:
    void DrawMark(QPainter& p) const override;
    void LeftReleased(QPoint p) override;
    void AcceleratorPressed() override;
    void focusInEvent(QFocusEvent* e) override;

private:
    int m_groupIndex = 0;
};
