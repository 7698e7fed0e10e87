// Picture files as a user picks them for a photo or finds them beside a person file: bitmaps and
// JPEG photos, read by their content.
#include "fuzzsupport.h"

#include "jpegdecoder.h"
#include "picturefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    const QByteArray bytes = fuzz::bytesOf(data, size);

    const QImage picture = readPicture(bytes);
    if (!picture.isNull())
        FUZZ_CHECK(picture.width() > 0 && picture.height() > 0, bytes.left(64));

    const JpegDecoding jpeg = decodeJpeg(bytes);
    FUZZ_CHECK(jpeg.image.isNull() != jpeg.error.isEmpty(), jpeg.error.toUtf8());
    if (!jpeg.image.isNull())
        FUZZ_CHECK(jpeg.image.format() == QImage::Format_RGB32, bytes.left(64));

    const int orientation = exifOrientation(bytes);
    FUZZ_CHECK(orientation >= 0 && orientation <= 8, bytes.left(64));
    return 0;
}
