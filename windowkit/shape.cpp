#include "shape.h"

#include <QPainter>

TShape::TShape(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::SetBrushColor(TColor c)
{
    if (m_brushColor == c)
        return;
    m_brushColor = c;
    update();
}

void TShape::SetFilled(bool filled)
{
    if (m_filled == filled)
        return;
    m_filled = filled;
    update();
}

void TShape::SetPenColor(TColor c)
{
    if (m_penColor == c)
        return;
    m_penColor = c;
    update();
}

void TShape::SetPenWidth(int width)
{
    if (m_penWidth == width)
        return;
    m_penWidth = width;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (m_penWidth > 0) {
        // Bands of the outline, each one pixel wide, from the edge inwards.
        for (int i = 0; i < m_penWidth && 2 * i < r.width() && 2 * i < r.height(); ++i) {
            p.setPen(toQColor(m_penColor));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(i, i, -i - 1, -i - 1));
        }
    }
    if (m_filled)
        p.fillRect(r.adjusted(m_penWidth, m_penWidth, -m_penWidth, -m_penWidth), toQColor(m_brushColor));
}
