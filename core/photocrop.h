#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The photo crop window's rules: which picture files go through the JPEG decoder, the square that
// is dragged and resized over the picture with the scroll box following it, and the resampling of
// the square to the 100 x 100 photo.

// A name whose lower-case form has ".jpg" or ".jpeg" first at its very end; "photo.jpg.bmp" is no
// JPEG name.
bool isJpegName(const QString& fileName);

// Whether a bitmap file ("BM") holds all the pixel data its header promises. A scan or a copy cut
// short would otherwise load with its missing rows made up. Uncompressed pixels are counted from
// the size and colour depth; compressed ones from the size the header gives for them.
bool isCompleteBitmap(const QByteArray& bytes);

inline constexpr int kPhotoSide = 100;
// The resize handle, a small square whose top left corner lies this far inside the selection
// square's bottom right corner.
inline constexpr int kHandleSize = 9;
inline constexpr int kHandleInset = 6;
// The handle never comes nearer than this to the square's top left corner: sides below 22 pixels
// are refused.
inline constexpr int kMinHandleDistance = 16;

// Where the selection stands. The picture lies at the origin of the scroll box's content; the
// square and its handle are in content coordinates, which scrolling does not change.
struct CropView {
    QSize picture;
    QRect square;
    QPoint scroll;    // the horizontal and vertical scroll positions
    QPoint scrollMax; // their largest values, from the scroll box

    QRect handle() const;
    bool operator==(const CropView&) const = default;
};

// The scroll box's own place in the window and its outer size, against which the square is kept in
// view while it is dragged or resized.
struct ScrollBoxFrame {
    QPoint pos{8, 8};
    QSize size{641, 441};
};

// A new picture: scrolled to its top left corner, the square 100 x 100 there.
CropView startCrop(QSize picture);

// One mouse move while the square is dragged: `pointer` and `press` (where the button went down)
// in the square's own coordinates. The square stays on the picture, except that on a picture
// smaller than the square it sticks to the left and top edges; the view then scrolls when the
// pointer nears an edge of the scroll box.
void dragSquare(CropView& view, QPoint pointer, QPoint press, const ScrollBoxFrame& box);

// One mouse move while the handle is dragged, the points in the handle's own coordinates. The
// square stays square and on the picture; a move that would make it smaller than 22 pixels does
// nothing.
void resizeSquare(CropView& view, QPoint pointer, QPoint press, const ScrollBoxFrame& box);

// The rows the resampling of a square of this side reports: its own rows when it is reduced, the
// photo's when it is enlarged.
int photoRowsFor(int side);

// The 100 x 100 photo from a square of side x side pixels, by nearest pixels. A square of 100 or
// more is reduced: each of its pixels is written to the photo pixel it lands on, so a later pixel
// overwrites an earlier one. A smaller one is enlarged: each photo pixel takes the square's pixel it
// falls on. `read(x, y)` gives a pixel of the square, `write(x, y, pixel)` sets one of the photo,
// and `rowDone(row)` follows every row (of the square when reducing, of the photo when enlarging).
template <typename Read, typename Write, typename RowDone>
void resampleToPhoto(int side, Read read, Write write, RowDone rowDone)
{
    if (side <= 0)
        return;
    // The factor is kept in extended precision: factors such as 0.4 have no exact binary form, and
    // the precision decides on which side of a whole number x * f falls.
    if (side >= kPhotoSide) {
        const long double f = static_cast<long double>(kPhotoSide) / side;
        for (int y = 0; y < side; ++y) {
            const int ty = static_cast<int>(y * f);
            for (int x = 0; x < side; ++x)
                write(static_cast<int>(x * f), ty, read(x, y));
            rowDone(y);
        }
    } else {
        const long double f = static_cast<long double>(side) / kPhotoSide;
        for (int y = 0; y < kPhotoSide; ++y) {
            const int sy = static_cast<int>(y * f);
            for (int x = 0; x < kPhotoSide; ++x)
                write(x, y, read(static_cast<int>(x * f), sy));
            rowDone(y);
        }
    }
}
