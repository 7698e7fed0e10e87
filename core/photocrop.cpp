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

bool isCompleteBitmap(const QByteArray& bytes)
{
    // Little-endian numbers of the headers; one that lies beyond the data makes it incomplete.
    const auto number = [&bytes](qint64 at, int size) -> qint64 {
        if (at + size > bytes.size())
            return -1;
        qint64 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = (value << 8) | quint8(bytes[at + i]);
        return value;
    };
    if (!bytes.startsWith("BM"))
        return false;
    const qint64 pixelsAt = number(10, 4);
    const qint64 headerSize = number(14, 4);
    if (pixelsAt < 0 || headerSize < 0)
        return false;
    qint64 width, height, depth, compression = 0, compressedSize = 0;
    if (headerSize == 12) {
        // The old header of 16-bit sizes and no compression.
        width = number(18, 2);
        height = number(20, 2);
        depth = number(24, 2);
    } else {
        width = number(18, 4);
        height = number(22, 4);
        depth = number(28, 2);
        compression = number(30, 4);
        compressedSize = number(34, 4);
        if (height >= 0x80000000LL) // negative: the rows run top down
            height = 0x100000000LL - height;
    }
    if (width < 0 || height < 0 || depth < 0 || compression < 0 || compressedSize < 0)
        return false;
    if (pixelsAt > bytes.size())
        return false;
    const qint64 room = bytes.size() - pixelsAt;
    constexpr qint64 kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields)
        return compressedSize <= room;
    // Rows padded to 4 bytes; compared by division, as a header can claim sizes whose product
    // overflows.
    const qint64 rowBytes = (width * depth + 31) / 32 * 4;
    return rowBytes == 0 || height <= room / rowBytes;
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
