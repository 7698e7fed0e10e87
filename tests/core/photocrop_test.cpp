#include "photocrop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PhotoCrop, JpegNamesGoThroughTheDecoder)
{
    const struct {
        const char* name;
        bool jpeg;
    } cases[] = {
        {"/zdjecia/photo.jpg", true},
        {"/zdjecia/photo.JPG", true},
        {"C.Jpeg", true},
        {"/zdjecia/photo.jpg.bmp", false},
        {"photo.bmp", false},
        {"/x.jpg/photo.bmp", false},
        {"photo.jpgx", false},
        {"jpg", false},
        {"a.jpg.jpg", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isJpegName(QString::fromLatin1(c.name)), c.jpeg) << c.name;
}

// A bitmap file: the file header, an information header of `headerSize` bytes and `pixelBytes` bytes
// of pixels.
QByteArray bitmap(qint32 width, qint32 height, int depth, int compression, qint64 pixelBytes, int headerSize = 40,
                  quint32 compressedSize = 0)
{
    QByteArray b;
    const auto put = [&b](quint64 value, int size) {
        for (int i = 0; i < size; ++i)
            b.append(char((value >> (8 * i)) & 0xFF));
    };
    b.append("BM");
    put(0, 4); // the file size, which writers often leave 0
    put(0, 4);
    put(14 + quint32(headerSize), 4);
    put(quint32(headerSize), 4);
    if (headerSize == 12) {
        put(quint16(width), 2);
        put(quint16(height), 2);
        put(1, 2);
        put(quint16(depth), 2);
    } else {
        put(quint32(width), 4);
        put(quint32(height), 4);
        put(1, 2);
        put(quint16(depth), 2);
        put(quint32(compression), 4);
        put(compressedSize, 4);
        b.append(QByteArray(headerSize - 24, '\0'));
    }
    b.append(QByteArray(pixelBytes, '\x7F'));
    return b;
}

TEST(PhotoCrop, ABitmapMustHoldAllThePixelDataItsHeaderPromises)
{
    const struct {
        const char* what;
        QByteArray bytes;
        bool complete;
    } cases[] = {
        // 3 pixels of 24 bits make 9 bytes, padded to 12 a row.
        {"24 bits, whole", bitmap(3, 2, 24, 0, 24), true},
        {"24 bits, a byte short", bitmap(3, 2, 24, 0, 23), false},
        {"24 bits, cut in half", bitmap(3, 2, 24, 0, 12), false},
        {"rows top down", bitmap(3, -2, 24, 0, 24), true},
        {"rows top down, cut", bitmap(3, -2, 24, 0, 12), false},
        {"1 bit, 9 pixels in 4 bytes a row", bitmap(9, 3, 1, 0, 12), true},
        {"1 bit, cut", bitmap(9, 3, 1, 0, 11), false},
        {"32 bits with bit fields", bitmap(2, 2, 32, 3, 16), true},
        {"32 bits with bit fields, cut", bitmap(2, 2, 32, 3, 15), false},
        {"old header", bitmap(3, 2, 24, 0, 24, 12), true},
        {"old header, cut", bitmap(3, 2, 24, 0, 20, 12), false},
        {"run lengths, whole", bitmap(100, 100, 8, 1, 300, 40, 300), true},
        {"run lengths, cut", bitmap(100, 100, 8, 1, 299, 40, 300), false},
        {"empty picture", bitmap(0, 0, 24, 0, 0), true},
        {"header claiming 4294967295 x 2147483647 pixels", bitmap(-1, 0x7FFFFFFF, 32, 0, 100), false},
        {"header cut", bitmap(3, 2, 24, 0, 24).left(20), false},
        {"pixels said to start beyond the file", bitmap(3, 2, 24, 0, 0).replace(10, 1, "\xF0"), false},
        {"no bitmap", QByteArray("PK\x03\x04") + QByteArray(100, '\0'), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isCompleteBitmap(c.bytes), c.complete) << c.what;
}

// A picture larger than the scroll box, scrolled by the test.
CropView largeView(QRect square, QPoint scroll = {0, 0})
{
    CropView view = startCrop(QSize(2000, 1000));
    view.square = square;
    view.scroll = scroll;
    view.scrollMax = QPoint(2000 - 624, 1000 - 424);
    return view;
}

TEST(PhotoCrop, DraggingKeepsTheSquareOnThePicture)
{
    const ScrollBoxFrame box;
    const struct {
        const char* what;
        QSize picture;
        QPoint start;
        QPoint by;
        QPoint expected;
    } cases[] = {
        {"within", {300, 200}, {50, 50}, {20, -10}, {70, 40}},
        {"past the right edge", {300, 200}, {50, 50}, {500, 0}, {200, 50}},
        {"past the bottom edge", {300, 200}, {50, 50}, {0, 500}, {50, 100}},
        {"past the left and top edges", {300, 200}, {50, 50}, {-500, -60}, {0, 0}},
        {"on a smaller picture it stays at the top left", {60, 40}, {0, 0}, {30, 30}, {0, 0}},
        {"also when pulled up and left", {60, 40}, {0, 0}, {-30, -30}, {0, 0}},
    };
    for (const auto& c : cases) {
        CropView view = startCrop(c.picture);
        view.square.moveTopLeft(c.start);
        const QPoint press(40, 40);
        dragSquare(view, press + c.by, press, box);
        EXPECT_EQ(view.square, QRect(c.expected, QSize(100, 100))) << c.what;
        EXPECT_EQ(view.handle(), QRect(c.expected + QPoint(94, 94), QSize(9, 9))) << c.what;
        EXPECT_EQ(view.scroll, QPoint(0, 0)) << c.what;
    }
}

TEST(PhotoCrop, DraggingNearAnEdgeOfTheBoxScrolls)
{
    const ScrollBoxFrame box;
    const struct {
        const char* what;
        QRect square;
        QPoint scroll;
        QPoint press;
        QPoint by;
        QPoint expectedScroll;
    } cases[] = {
        // At 600 the pointer (600 + 50) is past 641 - 15: the view scrolls by 600 + 100 - 641.
        {"right", {500, 100, 100, 100}, {0, 0}, {50, 50}, {100, 0}, {59, 0}},
        {"down", {100, 300, 100, 100}, {0, 0}, {50, 50}, {0, 100}, {0, 59}},
        // The square shows at -25: the view goes back by 8 + 25.
        {"left", {310, 100, 100, 100}, {300, 0}, {5, 5}, {-35, 0}, {267, 0}},
        {"up", {100, 310, 100, 100}, {0, 300}, {5, 5}, {0, -35}, {0, 267}},
        {"not before the start", {20, 100, 100, 100}, {10, 0}, {5, 5}, {-20, 0}, {0, 0}},
        {"not past the end", {1890, 100, 100, 100}, {1376, 0}, {50, 50}, {100, 0}, {1376, 0}},
        {"away from the edges", {200, 200, 100, 100}, {0, 0}, {50, 50}, {10, 10}, {0, 0}},
    };
    for (const auto& c : cases) {
        CropView view = largeView(c.square, c.scroll);
        dragSquare(view, c.press + c.by, c.press, box);
        EXPECT_EQ(view.scroll, c.expectedScroll) << c.what;
    }
}

TEST(PhotoCrop, ResizingKeepsASquareOfAtLeast22PixelsOnThePicture)
{
    const ScrollBoxFrame box;
    const struct {
        const char* what;
        QSize picture;
        QRect square;
        QPoint by; // handle movement
        QRect expected;
    } cases[] = {
        {"larger, the smaller movement counts", {300, 300}, {10, 10, 100, 100}, {40, 20}, {10, 10, 120, 120}},
        {"smaller", {300, 300}, {10, 10, 100, 100}, {-50, -30}, {10, 10, 50, 50}},
        {"down to 22", {300, 300}, {10, 10, 100, 100}, {-78, -78}, {10, 10, 22, 22}},
        {"not below 22", {300, 300}, {10, 10, 100, 100}, {-79, -79}, {10, 10, 100, 100}},
        {"stops at the right edge", {300, 300}, {150, 10, 100, 100}, {200, 200}, {150, 10, 150, 150}},
        {"stops at the bottom edge", {300, 250}, {10, 100, 100, 100}, {200, 200}, {10, 100, 150, 150}},
        {"a small picture pulls the square in", {50, 40}, {0, 0, 100, 100}, {0, 0}, {0, 0, 40, 40}},
        {"one too small for 22 leaves it", {20, 20}, {0, 0, 100, 100}, {0, 0}, {0, 0, 100, 100}},
    };
    for (const auto& c : cases) {
        CropView view = startCrop(c.picture);
        view.square = c.square;
        const QPoint press(4, 4);
        resizeSquare(view, press + c.by, press, box);
        EXPECT_EQ(view.square, c.expected) << c.what;
        EXPECT_EQ(view.handle().topLeft(), c.expected.bottomRight() + QPoint(1, 1) - QPoint(6, 6)) << c.what;
    }
}

TEST(PhotoCrop, ResizingPastAnEdgeOfTheBoxScrolls)
{
    const ScrollBoxFrame box;
    // The handle comes to 594 + 100 = 694 on screen: the view scrolls it back to the box's edge.
    CropView view = largeView(QRect(500, 100, 100, 100));
    resizeSquare(view, QPoint(104, 104), QPoint(4, 4), box);
    EXPECT_EQ(view.square, QRect(500, 100, 200, 200));
    EXPECT_EQ(view.scroll, QPoint(694 + 9 - 641, 0));

    // Shrunk to a handle left of the box: back by the box's left (8) minus the handle's place.
    view = largeView(QRect(300, 100, 100, 100), QPoint(380, 0));
    resizeSquare(view, QPoint(4 - 60, 4 - 60), QPoint(4, 4), box);
    EXPECT_EQ(view.square, QRect(300, 100, 40, 40));
    EXPECT_EQ(view.scroll, QPoint(380 - (8 - (334 - 380)), 0));
}

// Squares whose pixels tell where they came from: x + 1000 y.
std::vector<int> resample(int side, std::vector<int>* rows = nullptr)
{
    std::vector<int> photo(kPhotoSide * kPhotoSide, -1);
    resampleToPhoto(
        side, [](int x, int y) { return x + 1000 * y; },
        [&photo](int x, int y, int pixel) { photo.at(std::size_t(y * kPhotoSide + x)) = pixel; },
        [rows](int row) {
            if (rows)
                rows->push_back(row);
        });
    return photo;
}

int at(const std::vector<int>& photo, int x, int y)
{
    return photo[std::size_t(y * kPhotoSide + x)];
}

TEST(PhotoCrop, ReducingKeepsTheLastSourcePixelOfEachPhotoPixel)
{
    std::vector<int> rows;
    const std::vector<int> photo = resample(250, &rows);
    // f = 0.4: source columns 0..2 land on 0, 3..4 on 1, 5..7 on 2; the last one wins.
    EXPECT_EQ(at(photo, 0, 0), 2 + 1000 * 2);
    EXPECT_EQ(at(photo, 1, 0), 4 + 1000 * 2);
    EXPECT_EQ(at(photo, 2, 1), 7 + 1000 * 4);
    EXPECT_EQ(at(photo, 99, 99), 249 + 1000 * 249);
    EXPECT_EQ(rows.size(), 250u);
    EXPECT_EQ(rows.back(), 249);
    EXPECT_EQ(photoRowsFor(250), 250);

    const std::vector<int> same = resample(100);
    for (int y = 0; y < kPhotoSide; ++y) {
        for (int x = 0; x < kPhotoSide; ++x)
            ASSERT_EQ(at(same, x, y), x + 1000 * y) << x << "," << y;
    }
}

TEST(PhotoCrop, EnlargingFillsEachPhotoPixelFromTheSourcePixelItFallsOn)
{
    std::vector<int> rows;
    const std::vector<int> photo = resample(50, &rows);
    // f = 0.5: every source pixel fills 2 x 2 photo pixels.
    for (int y = 0; y < kPhotoSide; ++y) {
        for (int x = 0; x < kPhotoSide; ++x)
            ASSERT_EQ(at(photo, x, y), x / 2 + 1000 * (y / 2)) << x << "," << y;
    }
    EXPECT_EQ(rows.size(), 100u);
    EXPECT_EQ(photoRowsFor(50), 100);
    EXPECT_EQ(at(resample(22), 99, 99), 21 + 1000 * 21);
}

TEST(PhotoCrop, EverySideFillsTheWholePhoto)
{
    for (int side = 22; side <= 400; ++side) {
        const std::vector<int> photo = resample(side);
        ASSERT_EQ(std::count(photo.begin(), photo.end(), -1), 0) << "side " << side;
        ASSERT_EQ(at(photo, 99, 99), (side - 1) + 1000 * (side - 1)) << "side " << side;
    }
}

} // namespace
