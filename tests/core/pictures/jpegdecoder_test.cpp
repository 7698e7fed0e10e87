#include "jpegdecoder.h"

#include "jpegfiles.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlue = qRgb(0, 0, 255);

// Four solid quarters, large enough that JPEG's blocks keep their colours: red top left, green top
// right, white bottom left, blue bottom right.
QImage quarters(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(x, y, right ? (bottom ? kBlue : kGreen) : (bottom ? kWhite : kRed));
        }
    }
    return image;
}

QByteArray jpeg(const QImage& picture, JpegFile::Colours colours = JpegFile::Colours::Rgb)
{
    JpegFile file;
    file.picture = picture;
    file.colours = colours;
    return file.encode();
}

bool near(QRgb got, QRgb want)
{
    return std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
               std::abs(qBlue(got) - qBlue(want)) <
           40;
}

std::string rgb(QRgb c)
{
    return QColor(c).name().toStdString();
}

// The colours 8 pixels in from the four corners: top left, top right, bottom left, bottom right.
void expectCorners(const QImage& image, std::array<QRgb, 4> expected)
{
    const int r = image.width() - 9, b = image.height() - 9;
    const QPoint at[4] = {{8, 8}, {r, 8}, {8, b}, {r, b}};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(near(image.pixel(at[i]), expected[std::size_t(i)]))
            << "corner " << i << ": " << rgb(image.pixel(at[i])) << " instead of " << rgb(expected[std::size_t(i)]);
}

TEST(JpegDecoder, DecodesEveryColourFormAtFullScaleAsShown)
{
    using C = JpegFile::Colours;
    const struct {
        const char* what;
        C colours;
        bool adobeMarker;
        bool progressive;
    } cases[] = {
        {"colour", C::Rgb, true, false},
        {"progressive colour", C::Rgb, true, true},
        {"CMYK of an image editor", C::Cmyk, true, false},
        {"CMYK without the Adobe marker", C::Cmyk, false, false},
        {"YCCK", C::Ycck, true, false},
        {"progressive CMYK", C::Cmyk, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        JpegFile file;
        file.picture = quarters(64, 48);
        file.colours = c.colours;
        file.adobeMarker = c.adobeMarker;
        file.progressive = c.progressive;
        const JpegDecoding decoded = decodeJpeg(file.encode());
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), QSize(64, 48));
        EXPECT_EQ(decoded.image.format(), QImage::Format_RGB32);
        expectCorners(decoded.image, {kRed, kGreen, kWhite, kBlue});
    }

    const JpegDecoding grey = decodeJpeg(jpeg(quarters(32, 32), C::Grey));
    ASSERT_FALSE(grey.image.isNull()) << grey.error.toStdString();
    EXPECT_EQ(grey.image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(near(grey.image.pixel(4, 28), kWhite));
}

TEST(JpegDecoder, TurnsThePictureAsItsExifOrientationSays)
{

    // Stored 64 x 32 with red, green / white, blue; what each orientation shows at the corners.
    const struct {
        int orientation;
        QSize size;
        std::array<QRgb, 4> corners;
    } cases[] = {
        {1, {64, 32}, {kRed, kGreen, kWhite, kBlue}}, // as stored
        {2, {64, 32}, {kGreen, kRed, kBlue, kWhite}}, // mirrored left to right
        {3, {64, 32}, {kBlue, kWhite, kGreen, kRed}}, // turned half round
        {4, {64, 32}, {kWhite, kBlue, kRed, kGreen}}, // mirrored top to bottom
        {5, {32, 64}, {kRed, kWhite, kGreen, kBlue}}, // mirrored along the main diagonal
        {6, {32, 64}, {kWhite, kRed, kBlue, kGreen}}, // stored a quarter turn anticlockwise
        {7, {32, 64}, {kBlue, kGreen, kWhite, kRed}}, // mirrored along the other diagonal
        {8, {32, 64}, {kGreen, kBlue, kRed, kWhite}}, // stored a quarter turn clockwise
        {0, {64, 32}, {kRed, kGreen, kWhite, kBlue}}, // no EXIF block
        {9, {64, 32}, {kRed, kGreen, kWhite, kBlue}}, // no orientation there is
    };
    for (const auto& c : cases) {
        for (bool bigEndian : {false, true}) {
            SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << (bigEndian ? " (MM)" : " (II)"));
            JpegFile file;
            file.picture = quarters(64, 32);
            file.orientation = c.orientation;
            file.bigEndianExif = bigEndian;
            const JpegDecoding decoded = decodeJpeg(file.encode());
            ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
            EXPECT_EQ(decoded.image.size(), c.size);
            EXPECT_EQ(decoded.image.format(), QImage::Format_RGB32);
            expectCorners(decoded.image, c.corners);
        }
    }
}

TEST(JpegDecoder, AnExifBlockThatLeadsNowhereLeavesThePictureAsStored)
{
    const QByteArray good = exifWithOrientation(6, false);
    QByteArray pointsOutside = good;
    pointsOutside[10] = char(0xF0); // the first directory far beyond the block
    QByteArray notTiff = good;
    notTiff[6] = 'X';
    QByteArray noOrientation = good;
    noOrientation[16] = char(0x13); // another tag
    const QByteArray cases[] = {good.left(20), good.left(27), pointsOutside,
                                notTiff,       noOrientation, QByteArray("Exif\0\0", 6)};
    for (const QByteArray& exif : cases) {
        JpegFile file;
        file.picture = quarters(64, 32);
        file.exif = exif;
        const JpegDecoding decoded = decodeJpeg(file.encode());
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), QSize(64, 32)) << exif.toHex().toStdString();
    }
}

TEST(JpegDecoder, BrokenDataGivesAReasonInsteadOfAPicture)
{
    const QByteArray good = jpeg(quarters(64, 64));
    QByteArray huge = good;
    // The frame header after the marker FF C0: length (2), precision (1), height (2), width (2).
    const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    for (int i : {5, 6, 7, 8})
        huge[frame + i] = char(0xFF);
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919) % 251));

    // A scan cut short and closed again, as a scanner or a copy that stopped half way leaves it.
    const QByteArray eoi("\xFF\xD9", 2);
    JpegFile progressiveFile;
    progressiveFile.picture = quarters(256, 256);
    progressiveFile.progressive = true;
    const QByteArray progressive = progressiveFile.encode();
    const QByteArray big = jpeg(quarters(256, 256));
    QByteArray scribbled = big;
    for (qsizetype i = big.size() / 2; i < big.size() / 2 + 64; ++i)
        scribbled[i] = char(0xFF);

    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"garbage", garbage},
        {"header only", good.left(20)},
        {"cut in the middle", good.left(good.size() / 2)},
        {"claiming 65535 x 65535 pixels", huge},
        {"a bitmap", QByteArray("BM") + garbage},
        {"cut in the scan, end marker added", big.left(big.size() / 2) + eoi},
        {"cut just before its end marker", big.left(big.size() - 40) + eoi},
        {"progressive, cut", progressive.left(progressive.size() * 3 / 4)},
        {"progressive, cut, end marker added", progressive.left(progressive.size() * 3 / 4) + eoi},
        {"scan overwritten half way", scribbled},
    };
    for (const auto& c : cases) {
        const JpegDecoding result = decodeJpeg(c.data);
        EXPECT_TRUE(result.image.isNull()) << c.what << " " << result.error.toStdString();
        EXPECT_FALSE(result.error.isEmpty()) << c.what;
    }
    EXPECT_FALSE(decodeJpeg(good).image.isNull()) << "the decoder is still usable";
    EXPECT_FALSE(decodeJpeg(progressive).image.isNull());
}

} // namespace

// A few hundred bytes can declare a picture of 85 megapixels, which would take seconds and half a
// gigabyte to decode in grey before the data is found missing. Such a file is refused by its header.
TEST(JpegDecoder, RefusesBeforeDecodingASizeNoPhotoNeedsOrItsDataCannotHold)
{
    // The frame header after the marker FF C0: length (2), precision (1), height (2), width (2).
    const auto declaring = [](QByteArray data, int width, int height) {
        const qsizetype frame = data.indexOf(QByteArray("\xFF\xC0", 2));
        data[frame + 5] = char(height >> 8);
        data[frame + 6] = char(height & 0xFF);
        data[frame + 7] = char(width >> 8);
        data[frame + 8] = char(width & 0xFF);
        return data;
    };
    const QByteArray small = jpeg(quarters(16, 16));
    ASSERT_LT(small.size(), 1000);
    // Bytes after the end marker count as the file's data but hold no picture.
    const QByteArray padding(4 * 1024 * 1024, '\0');
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"65,296 x 1,300 in a few hundred bytes", declaring(small, 65296, 1300)},
        {"4,000 x 3,000 in a few hundred bytes", declaring(small, 4000, 3000)},
        {"20,000 x 10,000 with room for it", declaring(small, 20000, 10000) + padding},
    };
    for (const auto& c : cases) {
        const JpegDecoding result = decodeJpeg(c.data);
        EXPECT_TRUE(result.image.isNull()) << c.what;
        EXPECT_TRUE(result.sizeRefused) << c.what << ": " << result.error.toStdString();
    }

    // The smallest files a camera makes: one colour, also progressive, at 48 megapixels.
    QImage flat(8000, 6000, QImage::Format_RGB32);
    flat.fill(qRgb(250, 250, 250));
    for (const bool progressive : {false, true}) {
        JpegFile file;
        file.picture = flat;
        file.progressive = progressive;
        const JpegDecoding decoded = decodeJpeg(file.encode());
        EXPECT_EQ(decoded.image.size(), QSize(8000, 6000)) << decoded.error.toStdString();
    }
}
