#include "jpegdecoder.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

namespace {

// Four solid quarters, large enough that JPEG's blocks keep their colours.
QImage quarters(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(x, y,
                           right ? (bottom ? qRgb(0, 0, 255) : qRgb(0, 255, 0))
                                 : (bottom ? qRgb(255, 255, 255) : qRgb(255, 0, 0)));
        }
    }
    return image;
}

QByteArray encoded(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 95));
    return bytes;
}

bool near(QRgb got, QRgb want)
{
    return std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
               std::abs(qBlue(got) - qBlue(want)) <
           40;
}

TEST(JpegDecoder, DecodesColourAndGreyPicturesAtFullScaleIn24Bits)
{
    const JpegDecoding colour = decodeJpeg(encoded(quarters(64, 48)));
    ASSERT_FALSE(colour.image.isNull()) << colour.error.toStdString();
    EXPECT_EQ(colour.image.size(), QSize(64, 48));
    EXPECT_EQ(colour.image.format(), QImage::Format_RGB888);
    const struct {
        QPoint at;
        QRgb expected;
    } pixels[] = {
        {{8, 8}, qRgb(255, 0, 0)},
        {{56, 8}, qRgb(0, 255, 0)},
        {{8, 40}, qRgb(255, 255, 255)},
        {{56, 40}, qRgb(0, 0, 255)},
    };
    for (const auto& p : pixels)
        EXPECT_TRUE(near(colour.image.pixel(p.at), p.expected)) << p.at.x() << "," << p.at.y();

    const JpegDecoding grey = decodeJpeg(encoded(quarters(32, 32).convertToFormat(QImage::Format_Grayscale8)));
    ASSERT_FALSE(grey.image.isNull()) << grey.error.toStdString();
    EXPECT_EQ(grey.image.format(), QImage::Format_RGB888);
    EXPECT_TRUE(near(grey.image.pixel(4, 28), qRgb(255, 255, 255)));
}

TEST(JpegDecoder, BrokenDataGivesAReasonInsteadOfAPicture)
{
    const QByteArray good = encoded(quarters(64, 64));
    QByteArray huge = good;
    // The frame header after the marker FF C0: length (2), precision (1), height (2), width (2).
    const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    for (int i : {5, 6, 7, 8})
        huge[frame + i] = char(0xFF);
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919) % 251));

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
    };
    for (const auto& c : cases) {
        const JpegDecoding result = decodeJpeg(c.data);
        EXPECT_TRUE(result.image.isNull()) << c.what;
        EXPECT_FALSE(result.error.isEmpty()) << c.what;
    }
    EXPECT_FALSE(decodeJpeg(good).image.isNull()) << "the decoder is still usable";
}

} // namespace
