#include "colorgrid.h"

#include "FlatUtilitys.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kSide = 4;
constexpr TColor kColours[TColorGrid::kCells] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

} // namespace

TColorGrid::TColorGrid(QWidget* parent)
    : QWidget(parent)
{}

TColor TColorGrid::CellColor(int index)
{
    return index >= 0 && index < kCells ? kColours[index] : clBlack;
}

void TColorGrid::SetForegroundIndex(int index)
{
    if (index < 0 || index >= kCells || index == m_index)
        return;
    m_index = index;
    update();
}

QRect TColorGrid::cellRect(int index) const
{
    const int w = width() / kSide;
    const int h = height() / kSide;
    return QRect((index % kSide) * w, (index / kSide) * h, w, h);
}

int TColorGrid::CellAt(QPoint p) const
{
    const int w = width() / kSide;
    const int h = height() / kSide;
    if (w <= 0 || h <= 0 || p.x() < 0 || p.y() < 0 || p.x() >= w * kSide || p.y() >= h * kSide)
        return -1;
    return (p.y() / h) * kSide + p.x() / w;
}

void TColorGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < kCells; ++i) {
        const TRect r = TRect::of(cellRect(i));
        FillRect(p, r, kColours[i]);
        FrameRect(p, r, clGray);
    }
    // The chosen cell: a frame that shows on every colour, black inside white.
    TRect chosen = TRect::of(cellRect(m_index));
    FrameRect(p, chosen, clWhite);
    FrameRect(p, chosen.shrunk(1, 1), clBlack);
}

void TColorGrid::choose(QPoint p)
{
    const int index = CellAt(p);
    if (index < 0 || index == m_index)
        return;
    m_index = index;
    update();
    emit OnChange();
}

void TColorGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        choose(e->position().toPoint());
}

void TColorGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        choose(e->position().toPoint());
}
