#include "TFlatCheckBoxUnit.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

TFlatMarkControl::TFlatMarkControl(QWidget* parent, ClassTimer& timer, bool tabStop)
    : TFlatButtonControl(parent, timer, 0xE1EAEB, {0xFFFFFF, 0xC5D6D9, 0x000000, 0x8396A0}, {10, 10, 50},
                         {{0, 0, false}, {1, 1, true}, {3, 2, true}})
{
    setGeometry(0, 0, 121, 17);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetTabStop(tabStop);
}

TFlatMarkControl::~TFlatMarkControl() = default;

void TFlatMarkControl::SetMarkAtRight(bool right)
{
    m_markAtRight = right;
    update();
}

void TFlatMarkControl::StoreChecked(bool checked)
{
    m_checked = checked;
    update();
}

TColor TFlatMarkControl::MarkFill() const
{
    if (!m_focused && !m_hovered)
        return Color();
    return m_leftHeld ? ColorDown() : ColorFocused();
}

void TFlatMarkControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    FillRect(p, {0, 0, width(), height()}, Color());
    DrawMark(p);
    const TRect text =
        m_markAtRight ? TRect{1, 1, width() - 16, height() - 1} : TRect{16, 1, width() - 1, height() - 1};
    const int flags =
        (m_markAtRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(toQColor(FontColor(this)));
        p.drawText(text.toQRect(), flags, Caption());
    } else {
        DrawEmbossedText(p, text, flags, Caption());
    }
}

void TFlatMarkControl::changeEvent(QEvent* e)
{
    TFlatButtonControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_hovered = false;
            m_leftHeld = false;
            StopHoverTimer();
        }
        update();
    } else if (e->type() == QEvent::FontChange) {
        update();
    }
}

void TFlatMarkControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    m_clicked = true;
    setFocus(Qt::MouseFocusReason);
    m_leftHeld = true;
    update();
    emitMouseDown(e);
}

void TFlatMarkControl::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    const QPoint p = e->position().toPoint();
    // The control's own click, before the mark changes.
    if (m_clicked) {
        m_clicked = false;
        if (rect().contains(p))
            emit OnClick();
    }
    m_leftHeld = false;
    LeftReleased(p);
    update();
    emitMouseUp(e);
}

void TFlatMarkControl::mouseMoveEvent(QMouseEvent* e)
{
    emitMouseMove(e);
    TrackHover(e->position().toPoint());
}

void TFlatMarkControl::focusInEvent(QFocusEvent* e)
{
    TFlatButtonControl::focusInEvent(e);
    if (isEnabled()) {
        m_focused = true;
        update();
    }
}

void TFlatMarkControl::focusOutEvent(QFocusEvent* e)
{
    TFlatButtonControl::focusOutEvent(e);
    // A control disabled while it has the focus loses it only after it is disabled: the focus
    // fill goes all the same, or two controls would look focused.
    m_focused = false;
    if (isEnabled())
        m_hovered = false;
    update();
}

ClassTimer& TFlatCheckBox::HoverTimer()
{
    static ClassTimer timer(100);
    return timer;
}

TFlatCheckBox::TFlatCheckBox(QWidget* parent)
    : TFlatMarkControl(parent, HoverTimer(), true)
{}

void TFlatCheckBox::SetChecked(bool checked)
{
    if (checked == Checked())
        return;
    StoreChecked(checked);
    emit OnClick();
}

void TFlatCheckBox::DrawMark(QPainter& p) const
{
    const int l = MarkAtRight() ? width() - 12 : 1;
    const TRect box{l, 3, l + 11, 14};
    FillRect(p, box, MarkFill());
    if (Checked()) {
        const TColor pen = isEnabled() ? ColorCheck() : clBtnShadow;
        const int L = box.left, T = box.top;
        DrawLine(p, {L + 2, T + 4}, {L + 6, T + 8}, pen);
        DrawLine(p, {L + 2, T + 5}, {L + 5, T + 8}, pen);
        DrawLine(p, {L + 2, T + 6}, {L + 5, T + 9}, pen);
        DrawLine(p, {L + 8, T + 2}, {L + 4, T + 6}, pen);
        DrawLine(p, {L + 8, T + 3}, {L + 4, T + 7}, pen);
        DrawLine(p, {L + 8, T + 4}, {L + 5, T + 7}, pen);
    }
    FrameRect(p, box, ColorBorder());
}

void TFlatCheckBox::LeftReleased(QPoint)
{
    // Wherever the button comes up: the hover stays while it is held.
    if (Hovered())
        SetChecked(!Checked());
}

void TFlatCheckBox::AcceleratorPressed()
{
    if (!isVisible())
        return;
    setFocus(Qt::ShortcutFocusReason);
    SetChecked(!Checked());
}

void TFlatCheckBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        SetChecked(!Checked());
        return;
    }
    TFlatMarkControl::keyPressEvent(e);
}
