#include "photocrop.h"

#include <algorithm>

namespace {

// The scroll bars keep their positions within their ranges.
void scrollBy(CropView& view, int dx, int dy)
{
    view.scroll.rx() = std::clamp(view.scroll.x() + dx, 0, std::max(view.scrollMax.x(), 0));
    view.scroll.ry() = std::clamp(view.scroll.y() + dy, 0, std::max(view.scrollMax.y(), 0));
}

// A content point as the scroll box shows it.
QPoint onScreen(const CropView& view, QPoint content)
{
    return content - view.scroll;
}

} // namespace

bool isJpegName(const QString& fileName)
{
    const QString lower = fileName.toLower();
    for (const QLatin1String ext : {QLatin1String(".jpg"), QLatin1String(".jpeg")}) {
        const qsizetype at = lower.indexOf(ext);
        if (at >= 0 && at + ext.size() == lower.size())
            return true;
    }
    return false;
}

QRect CropView::handle() const
{
    return QRect(square.right() + 1 - kHandleInset, square.bottom() + 1 - kHandleInset, kHandleSize, kHandleSize);
}

CropView startCrop(QSize picture)
{
    return {picture, QRect(0, 0, kPhotoSide, kPhotoSide), QPoint(0, 0), QPoint(0, 0)};
}

void dragSquare(CropView& view, QPoint pointer, QPoint press, const ScrollBoxFrame& box)
{
    QRect& square = view.square;
    QPoint at = square.topLeft() + pointer - press;
    at.rx() = std::min(at.x(), view.picture.width() - square.width());
    at.ry() = std::min(at.y(), view.picture.height() - square.height());
    // Last, so that a square larger than the picture stays at the picture's left and top edges
    // instead of leaving it.
    at.rx() = std::max(at.x(), 0);
    at.ry() = std::max(at.y(), 0);
    square.moveTopLeft(at);

    // Each test sees the square where the previous one scrolled it.
    const auto shown = [&view] { return onScreen(view, view.square.topLeft()); };
    if (shown().x() + press.x() > box.size.width() - 15)
        scrollBy(view, shown().x() + square.width() - box.size.width(), 0);
    if (shown().y() + press.y() > box.size.height() - 15)
        scrollBy(view, 0, shown().y() + square.height() - box.size.height());
    if (shown().x() + press.x() < 0)
        scrollBy(view, -(box.pos.x() - shown().x()), 0);
    if (shown().y() + press.y() < 0)
        scrollBy(view, 0, -(box.pos.y() - shown().y()));
}

void resizeSquare(CropView& view, QPoint pointer, QPoint press, const ScrollBoxFrame& box)
{
    QRect& square = view.square;
    const QPoint handle = view.handle().topLeft() + pointer - press - square.topLeft();
    int d = std::min(handle.x(), handle.y());
    if (view.picture.width() < square.left() + d + kHandleInset)
        d = view.picture.width() - square.left() - kHandleInset;
    if (view.picture.height() < square.top() + d + kHandleInset)
        d = view.picture.height() - square.top() - kHandleInset;
    if (d < kMinHandleDistance)
        return;
    square.setSize(QSize(d + kHandleInset, d + kHandleInset));

    const auto shown = [&view] { return onScreen(view, view.handle().topLeft()); };
    if (shown().x() + kHandleSize > box.size.width())
        scrollBy(view, shown().x() + kHandleSize - box.size.width(), 0);
    if (shown().y() + kHandleSize > box.size.height())
        scrollBy(view, 0, shown().y() + kHandleSize - box.size.height());
    if (shown().x() < box.pos.x())
        scrollBy(view, -(box.pos.x() - shown().x()), 0);
    if (shown().y() < box.pos.y())
        scrollBy(view, 0, -(box.pos.y() - shown().y()));
}

int photoRowsFor(int side)
{
    return side >= kPhotoSide ? side : kPhotoSide;
}
