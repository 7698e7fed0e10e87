#include "TFlatSpeedButtonUnit.h"

#include <QDialog>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

ClassTimer& TFlatSpeedButton::HoverTimer()
{
    static ClassTimer timer(100);
    return timer;
}

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent)
    : TFlatButtonControl(parent, HoverTimer(), 0xE1EAEB, {0xE1EAEB, 0xC5D6D9, 0x8396A0, 0xFFFFFF, 0x000000},
                         {10, 10, 50}, {{0, 0, false}, {1, 1, true}, {2, 2, true}})
{
    resize(25, 25);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TFlatSpeedButton::~TFlatSpeedButton() = default;

void TFlatSpeedButton::SetAllowAllUp(bool on)
{
    if (on == m_allowAllUp)
        return;
    m_allowAllUp = on;
    UpdateExclusive();
}

void TFlatSpeedButton::SetGroupIndex(int index)
{
    if (index == m_groupIndex)
        return;
    m_groupIndex = index;
    UpdateExclusive();
}

void TFlatSpeedButton::SetDown(bool down)
{
    if (m_groupIndex == 0)
        down = false;
    // A down button of a group rises only when another one goes down, unless all may be up.
    if (down == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = down;
    if (down) {
        m_state = bsExclusive;
        update();
        UpdateExclusive();
    } else {
        m_state = bsUp;
        update();
    }
}

void TFlatSpeedButton::UpdateExclusive()
{
    if (m_groupIndex == 0 || !parentWidget())
        return;
    for (TFlatSpeedButton* b : parentWidget()->findChildren<TFlatSpeedButton*>(Qt::FindDirectChildrenOnly))
        b->ButtonPressed(m_groupIndex, this);
}

void TFlatSpeedButton::ButtonPressed(int groupIndex, TFlatSpeedButton* sender)
{
    if (groupIndex != m_groupIndex || sender == this)
        return;
    if (sender->m_down && m_down) {
        m_down = false;
        m_state = bsUp;
        update();
    }
    m_allowAllUp = sender->m_allowAllUp;
}

void TFlatSpeedButton::SetGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    // A strip of square cells tells how many it holds; more than four cells keep the old count.
    if (!glyph.isNull() && glyph.width() % glyph.height() == 0) {
        const int cells = glyph.width() / glyph.height();
        if (cells >= 1 && cells <= 4)
            m_numGlyphs = cells;
    }
    update();
}

void TFlatSpeedButton::SetNumGlyphs(int n)
{
    n = std::clamp(n, 1, 4);
    if (n == m_numGlyphs)
        return;
    m_numGlyphs = n;
    update();
}

void TFlatSpeedButton::SetLayout(TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TFlatSpeedButton::SetMargin(int margin)
{
    if (margin < -1 || margin == m_margin)
        return;
    m_margin = margin;
    update();
}

void TFlatSpeedButton::SetSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TFlatSpeedButton::Click()
{
    QPointer<QDialog> form = parentWidget() ? qobject_cast<QDialog*>(window()) : nullptr;
    if (form)
        form->setResult(m_modalResult);
    emit OnClick();
    if (form && form->result() != mrNone && form->isVisible())
        form->done(form->result());
}

void TFlatSpeedButton::UpdateTracking()
{
    if (!isEnabled())
        return;
    const bool over = CursorIsOver(this);
    m_hovered = !over;
    if (over) {
        // Lit without a mouse move, as when enabled again under the pointer: the timer's ticks
        // must be there to drop the light once the pointer has gone.
        TakeHoverTimer();
        MouseEnter();
    } else {
        MouseLeave();
    }
}

bool TFlatSpeedButton::IsInside(QPoint p) const
{
    // The bottom edge counts as inside, the right edge does not.
    return p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
}

void TFlatSpeedButton::setState(TButtonState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
}

void TFlatSpeedButton::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit OnMouseDown(e->button(), e->modifiers(), p.x(), p.y());
    if (e->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!m_down) {
        m_state = bsDown;
        update();
    }
    m_leftHeld = true;
}

void TFlatSpeedButton::mouseMoveEvent(QMouseEvent* e)
{
    emitMouseMove(e);
    const QPoint p = e->position().toPoint();
    TrackHover(p);
    if (!m_leftHeld)
        return;
    if (IsInside(p))
        setState(m_down ? bsExclusive : bsDown);
    else
        setState(m_down ? bsExclusive : bsUp);
}

void TFlatSpeedButton::mouseReleaseEvent(QMouseEvent* e)
{
    emitMouseUp(e);
    const QPoint p = e->position().toPoint();
    if (!m_leftHeld)
        return;
    m_leftHeld = false;
    const bool inside = IsInside(p);
    if (m_groupIndex == 0) {
        m_state = bsUp;
        m_hovered = false;
        if (inside)
            update();
    } else if (!inside) {
        // Settled by Down alone, whatever the last move left: never left looking pressed.
        m_state = m_down ? bsExclusive : bsUp;
        update();
    } else {
        SetDown(!m_down);
        if (m_down)
            update();
    }
    if (inside)
        Click();
    else
        MouseLeave();
    UpdateTracking();
}

void TFlatSpeedButton::mouseDoubleClickEvent(QMouseEvent* e)
{
    TFlatButtonControl::mouseDoubleClickEvent(e);
    if (m_down)
        emit OnDblClick();
}

void TFlatSpeedButton::changeEvent(QEvent* e)
{
    TFlatButtonControl::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_hovered = false;
            m_state = bsDisabled;
            StopHoverTimer();
        }
        UpdateTracking();
        update();
    } else if (e->type() == QEvent::FontChange) {
        update();
    }
}

QImage TFlatSpeedButton::glyphCell(TButtonState state) const
{
    static constexpr int cellOf[5][4] = {
        // up, disabled, down, exclusive
        {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3},
    };
    const int w = m_glyph.width() / m_numGlyphs;
    const int cell = cellOf[m_numGlyphs][state];
    // The last cell reaches to the glyph's full width.
    const int right = cell == m_numGlyphs - 1 ? m_glyph.width() : (cell + 1) * w;
    QImage image = m_glyph.copy(cell * w, 0, right - cell * w, m_glyph.height());
    if (image.width() != w)
        image = image.scaled(w, m_glyph.height());
    return image;
}

void TFlatSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const TRect client{0, 0, width(), height()};
    const QPoint offset = m_state == bsDown || m_state == bsExclusive ? QPoint(1, 1) : QPoint(0, 0);
    QPoint glyphPos;
    TRect textBounds;
    LayoutGlyphAndCaption(p.fontMetrics(), client, offset, glyphPos, textBounds, Caption(), m_numGlyphs, m_glyph,
                          m_margin, m_spacing, m_layout);

    if (isEnabled() && m_state == bsDisabled)
        m_state = m_groupIndex != 0 && m_down ? bsExclusive : bsUp;
    else if (!isEnabled()) {
        m_state = bsDisabled;
        m_leftHeld = false;
    }

    TRect r = client;
    switch (m_state) {
    case bsUp:
        if (m_hovered)
            Frame3D(p, r, ColorHighLight(), ColorShadow());
        else
            Frame3D(p, r, ColorBorder(), ColorBorder());
        FillRect(p, r, m_hovered ? ColorFocused() : Color());
        break;
    case bsDisabled:
        Frame3D(p, r, ColorBorder(), ColorBorder());
        FillRect(p, r, Color());
        break;
    case bsDown:
        Frame3D(p, r, ColorShadow(), ColorHighLight());
        FillRect(p, r, ColorDown());
        break;
    case bsExclusive:
        Frame3D(p, r, ColorShadow(), ColorHighLight());
        FillRect(p, r, m_hovered ? ColorFocused() : ColorDown());
        break;
    }

    if (!m_glyph.isNull()) {
        QImage cell = glyphCell(m_state);
        QRgb transparent = m_glyph.pixel(0, m_glyph.height() - 1);
        if (m_numGlyphs == 1 && m_state == bsDisabled) {
            cell = MakeDisabledGlyph(cell, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true);
            transparent = cell.pixel(0, cell.height() - 1);
        }
        DrawTransparent(p, glyphPos, cell, transparent);
    }

    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (m_state == bsDisabled) {
        DrawEmbossedText(p, textBounds, flags, Caption());
    } else {
        p.setPen(toQColor(FontColor(this)));
        p.drawText(textBounds.toQRect(), flags, Caption());
    }
}
