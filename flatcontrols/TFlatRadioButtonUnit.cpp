#include "TFlatRadioButtonUnit.h"

#include <QPainter>

ClassTimer& TFlatRadioButton::HoverTimer()
{
    static ClassTimer timer(100);
    return timer;
}

TFlatRadioButton::TFlatRadioButton(QWidget* parent)
    : TFlatMarkControl(parent, HoverTimer(), false)
{}

void TFlatRadioButton::SetChecked(bool checked)
{
    if (checked == Checked())
        return;
    SetTabStop(checked);
    StoreChecked(checked);
    if (!checked)
        return;
    if (parentWidget()) {
        for (TFlatRadioButton* other : parentWidget()->findChildren<TFlatRadioButton*>(Qt::FindDirectChildrenOnly))
            if (other != this && other->m_groupIndex == m_groupIndex)
                other->SetChecked(false);
    }
    emit OnClick();
}

void TFlatRadioButton::DrawMark(QPainter& p) const
{
    const int l = MarkAtRight() ? width() - 11 : 1;
    const int t = 3;
    p.save();
    // A 10 x 10 circle, its outline in ColorBorder.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(toQColor(ColorBorder()));
    p.setBrush(toQColor(MarkFill()));
    p.drawEllipse(QRect(l, t, 9, 9));
    if (Checked()) {
        const QColor dot = toQColor(isEnabled() ? ColorDot() : clBtnShadow);
        p.setPen(dot);
        p.setBrush(dot);
        p.drawEllipse(QRect(l + 3, t + 3, 3, 3));
    }
    p.restore();
}

void TFlatRadioButton::LeftReleased(QPoint p)
{
    // Both edges count as inside.
    if (p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height() && !Checked())
        SetChecked(true);
}

void TFlatRadioButton::AcceleratorPressed()
{
    // The accelerator only moves the focus here; it does not check the button.
    if (isVisible())
        setFocus(Qt::ShortcutFocusReason);
}

void TFlatRadioButton::focusInEvent(QFocusEvent* e)
{
    if (m_leftHeld && Hovered())
        SetChecked(true);
    TFlatMarkControl::focusInEvent(e);
}
